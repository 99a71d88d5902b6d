#include "render/Texturing.h"
#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

namespace {

const Pixel CLEAR = {0, 0, 0, 0};
const Pixel RED = {255, 0, 0, 255};
const Pixel BLUE = {0, 0, 255, 255};

} // namespace

TEST(Texturing, NextPowerOfTwoRoundsUp) {
    const unsigned cases[][2] = {{1, 1}, {2, 2}, {3, 4}, {4, 4}, {5, 8}, {100, 128}, {1025, 2048}};
    for (const auto& c : cases)
        EXPECT_EQ(nextPowerOfTwo(c[0]), c[1]) << c[0];
}

TEST(Texturing, TransparentPixelsNextToOpaqueOnesTakeTheirMeanColour) {
    // Top row: red, clear, blue, clear, clear; bottom row clear.
    const SurfacePtr picture = makePicture(5, 2, [](int x, int y) {
        return y == 0 && x == 0 ? RED : y == 0 && x == 2 ? BLUE : CLEAR;
    });
    bleedEdges(picture.get(), nullptr);
    const struct {
        int x, y;
        Pixel expected;
    } cases[] = {{1, 0, {127, 0, 127, 0}},
                 {1, 1, {127, 0, 127, 0}},
                 {0, 1, {255, 0, 0, 0}},
                 {3, 0, {0, 0, 255, 0}},
                 {4, 0, CLEAR},
                 {0, 0, RED},
                 {2, 0, BLUE}};
    for (const auto& c : cases)
        EXPECT_EQ(pixelOf(picture.get(), c.x, c.y), c.expected) << c.x << ", " << c.y;
}

TEST(Texturing, EdgeReplicationStaysInsideTheSurface) {
    const SurfacePtr picture = makePicture(4, 4, [](int, int) { return RED; });
    const SDL_Rect empty = {0, 0, 0, 0}, tooLarge = {0, 0, 9, 9};
    bleedEdges(picture.get(), &empty); // there is no column -1 to copy from
    bleedEdges(picture.get(), &tooLarge);
    EXPECT_EQ(pixelOf(picture.get(), 3, 3), RED);
}

TEST(Texturing, EdgeClampNeedsVersion12OrAnExtension) {
    const struct {
        const char* version;
        const char* extensions;
        GLint mode;
    } cases[] = {
        {"1.1.0", "GL_ARB_multitexture", GL_CLAMP},
        {"1.1", "GL_ARB_x GL_SGIS_texture_edge_clamp", GL_CLAMP_TO_EDGE},
        {"1.1", "GL_EXT_texture_edge_clamp_more", GL_CLAMP},
        {"1.2", nullptr, GL_CLAMP_TO_EDGE},
        {"4.5 (Compatibility Profile) Mesa 22.3.6", "", GL_CLAMP_TO_EDGE},
        {nullptr, nullptr, GL_CLAMP},
    };
    for (const auto& c : cases)
        EXPECT_EQ(edgeClampWrapMode(c.version, c.extensions), c.mode)
            << (c.version ? c.version : "null") << " / " << (c.extensions ? c.extensions : "null");
}
