// Pictures built in memory, texture and framebuffer read-back, and a 2-D drawing fixture.
#pragma once

#include "render/Texturing.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "tests/support/GLWindow.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

/// A 32-bit RGBA surface whose pixel (x, y) is colourOf(x, y).
inline SurfacePtr makePicture(int w, int h, const std::function<Pixel(int, int)>& colourOf) {
    SurfacePtr surface = createRGBASurface(w, h);
    for (int y = 0; y < h; ++y) {
        Uint32* row =
            reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = 0; x < w; ++x) {
            const Pixel p = colourOf(x, y);
            row[x] = SDL_MapRGBA(surface->format, p.r, p.g, p.b, p.a);
        }
    }
    return surface;
}

/// Pixel (x, y) of a surface made by makePicture or converted to its format.
inline Pixel pixelOf(SDL_Surface* surface, int x, int y) {
    const Uint8* bytes = static_cast<Uint8*>(surface->pixels) + y * surface->pitch + x * 4;
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

/// Level 0 of the bound texture, row 0 first.
struct TextureImage {
    int width = 0;
    int height = 0;
    std::vector<Pixel> texels;
    Pixel at(int x, int y) const { return texels[y * width + x]; }
};

inline TextureImage readBoundTexture() {
    TextureImage image;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &image.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &image.height);
    image.texels.resize(static_cast<size_t>(image.width) * image.height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.texels.data());
    return image;
}

/// A window rectangle: left and top inclusive, right and bottom exclusive.
struct Box {
    int left, top, right, bottom;
    bool operator==(const Box& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << '(' << box.left << ", " << box.top << ")-(" << box.right << ", " << box.bottom
               << ')';
}

/// Smallest box holding every window pixel whose red is above half; all zero if none is.
inline Box litBox() {
    const std::vector<Pixel> pixels = GLWindow::readRegion(0, 0, GLWindow::WIDTH, GLWindow::HEIGHT);
    Box box = {GLWindow::WIDTH, GLWindow::HEIGHT, 0, 0};
    for (int y = 0; y < GLWindow::HEIGHT; ++y)
        for (int x = 0; x < GLWindow::WIDTH; ++x)
            if (pixels[y * GLWindow::WIDTH + x].r > 127)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box.right == 0 ? Box{0, 0, 0, 0} : box;
}

/// Each test draws on a black window inside one begin2D / end2D bracket.
class Drawing2D : public testing::Test {
protected:
    void SetUp() override {
        clearScreen(0, 0, 0);
        graphics.begin2D();
    }
    void TearDown() override { graphics.end2D(); }

    UIGraphicsOpenGLSDL graphics;
};
