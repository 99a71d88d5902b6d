#include "render/UIImageOpenGL.h"
#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

const float WHITE[4] = {1, 1, 1, 1};

const auto white = [](int, int) { return Pixel{255, 255, 255, 255}; };

using UIImageOpenGLDraw = Drawing2D;

} // namespace

TEST_F(UIImageOpenGLDraw, PlacesTheQuadAsTheFlagsSay) {
    const auto image = makeImage(32, 32, white);
    image->setSize(50, 20); // untransformed draws only
    image->setScaleUniform(2);
    image->setRotation(1); // ignored without flag 4
    const std::pair<unsigned, Box> cases[] = {
        {0, {100, 100, 150, 120}},      {8 | 4 | 16, {100, 100, 150, 120}}, // no flag 2
        {2, {100, 100, 132, 132}},      {2 | 8, {84, 84, 116, 116}},
        {2 | 16, {100, 100, 164, 164}}, {2 | 8 | 16, {68, 68, 132, 132}},
    };
    for (const auto& [flags, covered] : cases) {
        clearScreen(0, 0, 0);
        image->draw(BLEND_NORMAL, flags, 100, 100, WHITE);
        EXPECT_EQ(litBox(), covered) << "flags " << flags;
    }
}

TEST_F(UIImageOpenGLDraw, QuarterTurnTurnsClockwiseAboutThePivot) {
    // Left half red, right half blue: after a clockwise quarter turn red is on top.
    const auto image = makeImage(32, 16, [](int x, int) { return x < 16 ? RED : BLUE; });
    image->setRotation(1.5707963f);
    const GLint depth = glInteger(GL_MODELVIEW_STACK_DEPTH);
    image->draw(BLEND_NORMAL, 2 | 4 | 8, 200, 200, WHITE);
    EXPECT_EQ(glInteger(GL_MODELVIEW_STACK_DEPTH), depth);
    EXPECT_EQ(litBox(), (Box{192, 184, 208, 200}));
    EXPECT_EQ(GLWindow::readPixel(200, 210), BLUE);
}

TEST_F(UIImageOpenGLDraw, BlendModesBlendAndRestoreTheBlendFunction) {
    const float tint[4] = {0.25f, 0.5f, 1, 0.5f};
    const std::tuple<int, GLenum, Pixel> cases[] = {
        {BLEND_ADD, GL_ONE_MINUS_SRC_ALPHA, {159, 191, 255, 0}},
        {BLEND_MULTIPLY, GL_ONE_MINUS_SRC_ALPHA, {32, 64, 128, 0}},
        {3, GL_ONE_MINUS_SRC_ALPHA, {96, 128, 191, 0}},
        {BLEND_NORMAL, GL_ONE, {159, 191, 255, 0}}, // draws with the caller's function
    };
    const auto image = makeImage(8, 8, white);
    for (const auto& [mode, callerDestination, expected] : cases) {
        clearScreen(0.5f, 0.5f, 0.5f);
        glBlendFunc(GL_SRC_ALPHA, callerDestination);
        image->draw(mode, 0, 0, 0, tint);
        const Pixel actual = GLWindow::readPixel(4, 4);
        EXPECT_LE(std::abs(actual.r - expected.r) + std::abs(actual.g - expected.g) +
                      std::abs(actual.b - expected.b),
                  3)
            << "mode " << mode << ": " << actual;
        EXPECT_EQ(glInteger(GL_BLEND_SRC), GL_SRC_ALPHA) << mode;
        EXPECT_EQ(glInteger(GL_BLEND_DST), static_cast<GLint>(callerDestination)) << mode;
    }
}
