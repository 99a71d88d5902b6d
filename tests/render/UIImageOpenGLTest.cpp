#include "render/UIImageOpenGL.h"
#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

const float WHITE[4] = {1, 1, 1, 1};

class UIImageOpenGLDraw : public Drawing2D {
protected:
    std::unique_ptr<UIImage> makeImage(
        int w, int h, std::function<Pixel(int, int)> colourOf = [](int, int) {
            return Pixel{255, 255, 255, 255};
        }) {
        const SurfacePtr picture = makePicture(w, h, colourOf);
        return std::unique_ptr<UIImage>(graphics.createImage(picture.get(), 0x20009, nullptr));
    }
};

void expectNear(const Pixel& actual, const Pixel& expected) {
    EXPECT_LE(std::abs(actual.r - expected.r), 2) << actual << " vs " << expected;
    EXPECT_LE(std::abs(actual.g - expected.g), 2) << actual << " vs " << expected;
    EXPECT_LE(std::abs(actual.b - expected.b), 2) << actual << " vs " << expected;
}

GLint blendSource() {
    GLint value;
    glGetIntegerv(GL_BLEND_SRC, &value);
    return value;
}

} // namespace

TEST_F(UIImageOpenGLDraw, PlacesTheQuadAsTheFlagsSay) {
    const struct {
        int w, h;
        std::function<void(UIImage&)> setUp;
        unsigned flags;
        float x, y;
        Box covered;
    } cases[] = {
        {32, 32, [](UIImage& i) { i.setSize(50, 20); }, 0, 10, 10, {10, 10, 60, 30}},
        {32, 32, [](UIImage& i) { i.setSize(1024, 768); }, 16, 0, 0, {0, 0, 1024, 768}},
        // Rotate, pivot and scale act on transformed draws only.
        {32,
         32,
         [](UIImage& i) {
             i.setRotation(1);
             i.setScaleUniform(3);
         },
         8 | 4 | 16,
         10,
         10,
         {10, 10, 42, 42}},
        {32, 32, [](UIImage& i) { i.setSize(5, 5); }, 10, 100, 100, {84, 84, 116, 116}},
        {32, 32, [](UIImage& i) { i.setPivot(0, 0); }, 10, 100, 100, {100, 100, 132, 132}},
        {7, 16, [](UIImage& i) { i.setScaleUniform(2); }, 19, 10, 20, {10, 20, 24, 52}},
    };
    for (const auto& c : cases) {
        clearScreen(0, 0, 0);
        const auto image = makeImage(c.w, c.h);
        c.setUp(*image);
        image->draw(BLEND_NORMAL, c.flags, c.x, c.y, WHITE);
        EXPECT_EQ(litBox(), c.covered) << "flags " << c.flags;
    }
}

TEST_F(UIImageOpenGLDraw, QuarterTurnTurnsClockwiseAboutThePivot) {
    // Left half red, right half blue: after a clockwise quarter turn red is on top.
    const auto image = makeImage(32, 16, [](int x, int) {
        return x < 16 ? Pixel{255, 0, 0, 255} : Pixel{0, 0, 255, 255};
    });
    image->setRotation(1.5707963f);
    std::array<float, 16> before, after;
    glGetFloatv(GL_MODELVIEW_MATRIX, before.data());
    image->draw(BLEND_NORMAL, 2 | 4 | 8, 200, 200, WHITE);
    glGetFloatv(GL_MODELVIEW_MATRIX, after.data());
    EXPECT_EQ(before, after);
    EXPECT_EQ(litBox(), (Box{192, 184, 208, 200}));
    EXPECT_EQ(GLWindow::readPixel(200, 210), (Pixel{0, 0, 255, 255}));
}

TEST_F(UIImageOpenGLDraw, BlendModesBlendAndRestoreTheBlendFunction) {
    const float tint[4] = {0.25f, 0.5f, 1, 0.5f};
    const struct {
        int mode;
        GLenum callerSource, callerDestination;
        Pixel expected;
    } cases[] = {
        {BLEND_NORMAL, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, {96, 128, 191, 0}},
        {BLEND_ADD, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, {159, 191, 255, 0}},
        {BLEND_MULTIPLY, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, {32, 64, 128, 0}},
        {3, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, {96, 128, 191, 0}},
        // Mode 0 draws with whatever function the caller set.
        {BLEND_NORMAL, GL_SRC_ALPHA, GL_ONE, {159, 191, 255, 0}},
    };
    const auto image = makeImage(8, 8);
    for (const auto& c : cases) {
        clearScreen(0.5f, 0.5f, 0.5f);
        glBlendFunc(c.callerSource, c.callerDestination);
        image->draw(c.mode, 0, 0, 0, tint);
        expectNear(GLWindow::readPixel(4, 4), c.expected);
        EXPECT_EQ(blendSource(), static_cast<GLint>(c.callerSource)) << c.mode;
        GLint destination;
        glGetIntegerv(GL_BLEND_DST, &destination);
        EXPECT_EQ(destination, static_cast<GLint>(c.callerDestination)) << c.mode;
    }
}

TEST_F(UIImageOpenGLDraw, DrawAtUsesTheOwnTintAndDefaultFlags) {
    const auto image = makeImage(4, 4);
    image->setColorBytes(255, 0, 0, 255);
    image->setScaleUniform(5); // default flags 9 are untransformed: no effect
    image->drawAtInt(30, 40);
    EXPECT_EQ(litBox(), (Box{30, 40, 34, 44}));
    EXPECT_EQ(GLWindow::readPixel(31, 41), (Pixel{255, 0, 0, 255}));
}
