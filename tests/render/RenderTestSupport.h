// Pictures built in memory, GL state and framebuffer read-back, and a 2-D drawing fixture.
#pragma once

#include "render/Texturing.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "render/UIImage.h"
#include "tests/support/GLWindow.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

const Pixel CLEAR = {0, 0, 0, 0};
const Pixel RED = {255, 0, 0, 255};
const Pixel BLUE = {0, 0, 255, 255};

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

/// One integer of GL state.
inline GLint glInteger(GLenum which) {
    GLint value;
    glGetIntegerv(which, &value);
    return value;
}

/// What a drawing call must leave as it found it: both matrices, the enables and client
/// arrays, and the blend function.
inline std::vector<float> restorableState() {
    std::vector<float> state(32);
    glGetFloatv(GL_PROJECTION_MATRIX, state.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, state.data() + 16);
    for (GLenum capability :
         {GL_DEPTH_TEST, GL_BLEND, GL_TEXTURE_2D, GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY})
        state.push_back(glIsEnabled(capability));
    for (GLenum which : {GL_BLEND_SRC, GL_BLEND_DST})
        state.push_back(glInteger(which));
    return state;
}

/// A window rectangle: left, top, right, bottom, the last two exclusive.
using Box = std::array<int, 4>;

/// Smallest box holding every window pixel whose red is above half; all zero if none is.
inline Box litBox() {
    const std::vector<Pixel> pixels = GLWindow::readRegion(0, 0, GLWindow::WIDTH, GLWindow::HEIGHT);
    Box box = {GLWindow::WIDTH, GLWindow::HEIGHT, 0, 0};
    for (int y = 0; y < GLWindow::HEIGHT; ++y)
        for (int x = 0; x < GLWindow::WIDTH; ++x)
            if (pixels[y * GLWindow::WIDTH + x].r > 127)
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1),
                       std::max(box[3], y + 1)};
    return box[2] == 0 ? Box{0, 0, 0, 0} : box;
}

/// Each test draws on a black window inside one begin2D / end2D bracket.
class Drawing2D : public testing::Test {
protected:
    void SetUp() override {
        clearScreen(0, 0, 0);
        graphics.begin2D();
    }
    void TearDown() override { graphics.end2D(); }

    /// A new image of a w x h picture coloured by colourOf, loaded with the image-file flags.
    std::unique_ptr<UIImage> makeImage(int w, int h,
                                       const std::function<Pixel(int, int)>& colourOf) {
        return std::unique_ptr<UIImage>(
            graphics.createImage(makePicture(w, h, colourOf).get(), IMAGE_FILE_FLAGS, nullptr));
    }

    UIGraphicsOpenGLSDL graphics;
};
