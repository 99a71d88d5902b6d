// The asset generator's pictures: RGBA colours, an 8-bit RGBA picture and its PNG writer.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Colour {
    float r, g, b, a;
};

/// The colour a fraction t of the way from `from` to `to`, alpha included.
inline Colour mix(const Colour& from, const Colour& to, float t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

/// The colour with its alpha replaced.
inline Colour withAlpha(Colour colour, float alpha) {
    colour.a = alpha;
    return colour;
}

/// An RGBA picture with 8 bits per channel, all transparent at first.
struct Picture {
    Picture(int width, int height)
        : width(width), height(height), bytes(static_cast<size_t>(width) * height * 4, 0) {}

    /// Sets pixel (x, y), each channel clamped to 0..1.
    void set(int x, int y, const Colour& colour) {
        const float channels[4] = {colour.r, colour.g, colour.b, colour.a};
        for (int i = 0; i < 4; ++i)
            bytes[(static_cast<size_t>(y) * width + x) * 4 + i] =
                static_cast<uint8_t>(std::lround(std::clamp(channels[i], 0.0f, 1.0f) * 255));
    }

    int width;
    int height;
    std::vector<uint8_t> bytes;
};

/// Writes the picture as an RGBA PNG at the highest compression; false if it cannot.
bool writePNG(const std::string& path, const Picture& picture);
