// A UIImage that draws nothing and records every draw; the other draws forward to draw as the
// real image's do.
#pragma once

#include "render/UIImage.h"

#include <array>
#include <utility>
#include <vector>

class RecordingImage : public UIImage {
public:
    /// One call of draw.
    struct Draw {
        int blendMode;
        unsigned flags;
        float x, y;
        std::array<float, 4> rgba;
    };

    RecordingImage(int width, int height) : UIImage(width, height, 0, 9) {}

    void setColor(float r, float g, float b, float a) override { color = {r, g, b, a}; }
    void setColorBytes(Uint8 r, Uint8 g, Uint8 b, Uint8 a) override {
        setColor(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
    }
    void setSize(float, float) override {}
    void setSizeInt(unsigned, unsigned) override {}
    void setRotation(float) override {}
    void setScale(float, float) override {}
    void setScaleUniform(float) override {}
    void setPivot(float, float) override {}
    void draw(int blendMode, unsigned flags, float x, float y, const float rgba[4]) override {
        draws.push_back({blendMode, flags, x, y, {rgba[0], rgba[1], rgba[2], rgba[3]}});
    }
    void drawRGBA(int blendMode, unsigned flags, float x, float y, float r, float g, float b,
                  float a) override {
        const float rgba[4] = {r, g, b, a};
        draw(blendMode, flags, x, y, rgba);
    }
    void drawTinted(int blendMode, unsigned flags, float x, float y) override {
        draw(blendMode, flags, x, y, color.data());
    }
    void drawTintedInt(int blendMode, unsigned flags, int x, int y) override {
        drawTinted(blendMode, flags, static_cast<float>(x), static_cast<float>(y));
    }
    void drawAt(float x, float y) override { drawTinted(defaultBlendMode, defaultFlags, x, y); }
    void drawAtInt(int x, int y) override { drawAt(static_cast<float>(x), static_cast<float>(y)); }

    std::vector<Draw> draws; ///< every draw, in call order
    std::array<float, 4> color{1, 1, 1, 1};
};

/// A window position of a recorded call.
using Point = std::pair<float, float>;

/// Where the last of the recorded draws (or RecordingFont texts) went.
template <class Call> Point lastAt(const std::vector<Call>& calls) {
    return {calls.back().x, calls.back().y};
}
