#include "platform/Display.h"

#include "platform/Platform.h"

#include <cstdio>

const std::array<VideoMode, 9> videoModes = {{
    {32, true},
    {24, true},
    {16, true},
    {32, false},
    {24, false},
    {16, false},
    {8, true},
    {8, false},
    {32, true},
}};

const char* const cursorImage[37] = {
    "    32    32        3            1",
    "X c #000000",
    ". c #ffffff",
    "  c None",
    "               X                ",
    "              X.X               ",
    "              X.X               ",
    "             X...X              ",
    "             X...X              ",
    "            X.....X             ",
    "            X.....X             ",
    "           X.......X            ",
    "           X.......X            ",
    "          X.........X           ",
    "          X.........X           ",
    "         X...........X          ",
    "         X....XXX....X          ",
    "        X...XX   XX...X         ",
    "        X..X       X..X         ",
    "        X.X         X.X         ",
    "         X           X          ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "                                ",
    "15,0",
};

ChannelBits channelBitsFor(int bitsPerPixel) {
    if (bitsPerPixel == 8)
        return {3, 3, 2};
    if (bitsPerPixel == 15 || bitsPerPixel == 16)
        return {5, 5, 5};
    return {8, 8, 8};
}

std::vector<VideoMode> videoModeAttempts(int argc, char** argv) {
    const char first = argc > 1 && argv[1] ? argv[1][0] : '\0';
    std::vector<VideoMode> attempts(videoModes.begin(), videoModes.end());
    for (VideoMode& mode : attempts) {
        if (first == 'w')
            mode.fullScreen = false;
        else if (first == 'f')
            mode.fullScreen = true;
    }
    return attempts;
}

SDL_Surface* openVideoMode(int width, int height, int bitsPerPixel, bool fullScreen) {
    const ChannelBits bits = channelBitsFor(bitsPerPixel);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, bits.red);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, bits.green);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, bits.blue);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    Uint32 flags = SDL_HWSURFACE | SDL_OPENGL | SDL_DOUBLEBUF;
    if (fullScreen)
        flags |= SDL_FULLSCREEN;
    return SDL_SetVideoMode(width, height, bitsPerPixel, flags);
}

SDL_Surface* openDisplay(const std::vector<VideoMode>& attempts, int width, int height) {
    SDL_Surface* surface = nullptr;
    for (const VideoMode& mode : attempts) {
        surface = openVideoMode(width, height, mode.bitsPerPixel, mode.fullScreen);
        if (surface && (surface->flags & SDL_OPENGL))
            break;
    }
    return surface;
}

CursorBits cursorBitsFrom(const char* const* image) {
    CursorBits bits;
    for (int row = 0; row < 32; ++row) {
        const char* line = image[4 + row];
        for (int column = 0; column < 32; ++column) {
            const int byte = row * 4 + column / 8;
            const uint8_t bit = static_cast<uint8_t>(0x80 >> (column % 8));
            switch (line[column]) {
            case 'X':
                bits.data[byte] |= bit;
                bits.mask[byte] |= bit;
                break;
            case '.':
                bits.mask[byte] |= bit;
                break;
            case '*':
                bits.data[byte] |= bit;
                break;
            default:
                break;
            }
        }
    }
    std::sscanf(image[4 + 32], "%d,%d", &bits.hotX, &bits.hotY);
    return bits;
}

void installCursor() { useCursor(cursorBitsFrom(cursorImage)); }
