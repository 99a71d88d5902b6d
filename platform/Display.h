// Opening the 1024 x 768 OpenGL display and installing the mouse cursor.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <vector>

/// One row of the video-mode table.
struct VideoMode {
    int bitsPerPixel;
    bool fullScreen;
};

/// The colour depths and full-screen flags tried in order.
extern const std::array<VideoMode, 9> videoModes;

/// The cursor picture in XPM layout: 4 header lines, 32 rows of 32 characters, the hot spot.
extern const char* const cursorImage[37];

/// Colour channel sizes asked of OpenGL for a colour depth.
struct ChannelBits {
    int red, green, blue;
};
ChannelBits channelBitsFor(int bitsPerPixel);

/// The modes to try, in order: a first argument beginning with 'w' makes every row windowed,
/// one beginning with 'f' full screen.
std::vector<VideoMode> videoModeAttempts(int argc, char** argv);

/// Sets the OpenGL attributes for the depth and opens the video mode; null on failure.
SDL_Surface* openVideoMode(int width, int height, int bitsPerPixel, bool fullScreen);

/// Walks the attempts until one yields an OpenGL surface of width x height; returns the last
/// surface (null when the last attempt failed too).
SDL_Surface* openDisplay(const std::vector<VideoMode>& attempts, int width, int height);

/// The two bit planes and hot spot that SDL_CreateCursor takes for a 32 x 32 cursor.
struct CursorBits {
    std::array<uint8_t, 128> data{};
    std::array<uint8_t, 128> mask{};
    int hotX = 0;
    int hotY = 0;
};

/// Converts an XPM-layout picture: 'X' black, '.' white, '*' inverted, anything else clear.
CursorBits cursorBitsFrom(const char* const* image);

/// Makes the arrowhead cursor SDL's current cursor; it lives for the whole run.
void installCursor();
