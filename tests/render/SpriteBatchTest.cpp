#include "render/SpriteBatch.h"

#include "render/UIImageOpenGL.h"
#include "tests/render/RenderTestSupport.h"
#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <random>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Positions = std::vector<std::pair<float, float>>;

/// `count` positions over the window and a 24-pixel band around it, so some sprites are cut by
/// the edges: arbitrary fractions, and every third one on a whole x and a half y.
Positions scatteredPositions(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> x(-24, GLWindow::WIDTH + 24);
    std::uniform_real_distribution<float> y(-24, GLWindow::HEIGHT + 24);
    Positions positions;
    for (int i = 0; i < count; ++i) {
        const float px = x(random), py = y(random);
        positions.emplace_back(i % 3 == 1 ? std::floor(px) : px,
                               i % 3 == 1 ? std::floor(py) + 0.5f : py);
    }
    return positions;
}

/// Draws sprites over a coloured backdrop (so multiply and normal blending show) one image.draw
/// at a time and batched (last), and expects the same window, pixel for pixel, and the GL
/// state the batch must restore as it was.
class SpriteBatchDraw : public Drawing2D {
protected:
    void SetUp() override {
        Drawing2D::SetUp();
        backdrop = makeImage(16, 16, [](int x, int y) {
            return Pixel{static_cast<Uint8>(x * 16), static_cast<Uint8>(y * 16), 160, 255};
        });
        backdrop->setSizeInt(GLWindow::WIDTH, GLWindow::HEIGHT);
    }

    void expectSamePixels(SpriteBatch& batch, UIImage& sprite, int blendMode, const float rgba[4],
                          const Positions& positions) {
        std::vector<Pixel> frames[2]; // batched, one at a time
        for (bool oneAtATime : {true, false}) {
            clearScreen(0, 0, 0);
            backdrop->drawAt(0, 0);
            batch.setOneAtATime(oneAtATime);
            const std::vector<float> before = restorableState();
            batch.begin(sprite, blendMode, rgba);
            for (const auto& [x, y] : positions)
                batch.add(x, y);
            batch.flush();
            EXPECT_EQ(restorableState(), before) << "blend mode " << blendMode;
            frames[oneAtATime] = GLWindow::readRegion(0, 0, GLWindow::WIDTH, GLWindow::HEIGHT);
        }
        const auto [batched, reference] =
            std::mismatch(frames[0].begin(), frames[0].end(), frames[1].begin());
        const long at = batched - frames[0].begin();
        EXPECT_TRUE(batched == frames[0].end())
            << "blend mode " << blendMode << ": (" << at % GLWindow::WIDTH << ", "
            << at / GLWindow::WIDTH << ") is " << *batched << " instead of " << *reference;
    }

    const std::unique_ptr<UIImage> flare{graphics.loadImage("data/flare.png", IMAGE_FILE_FLAGS)};
    std::unique_ptr<UIImage> backdrop;
};

} // namespace

TEST_F(SpriteBatchDraw, GivesTheSamePixelsAsOneDrawPerSprite) {
    ASSERT_NE(flare, nullptr);
    SpriteBatch batch(10000);
    const Positions positions = scatteredPositions(400, 7);
    const float grey[4] = {0.343f, 0.343f, 0.343f, 1}, tinted[4] = {0.9f, 0.6f, 0.3f, 0.7f};
    for (int blendMode : {BLEND_NORMAL, BLEND_ADD, BLEND_MULTIPLY})
        for (const float* rgba : {grey, tinted})
            expectSamePixels(batch, *flare, blendMode, rgba, positions);

    // 31 x 17 lies in a 32 x 32 texture (extents below 1) with corners on half pixels; the same
    // batch takes its other texture coordinates.
    const auto odd = makeImage(31, 17, [](int x, int y) {
        return Pixel{static_cast<Uint8>(x * 8), 255, static_cast<Uint8>(y * 15),
                     static_cast<Uint8>(128 + x * 4)};
    });
    const float white[4] = {1, 1, 1, 1};
    odd->setPivot(3, 15);
    expectSamePixels(batch, *odd, BLEND_ADD, white, scatteredPositions(300, 11));
    // A moved model-view matrix moves the batch with it, rounding included.
    glPushMatrix();
    glTranslatef(3.25f, -7.5f, 0);
    expectSamePixels(batch, *odd, BLEND_NORMAL, white, scatteredPositions(300, 11));
    glPopMatrix();

    // A full batch is drawn, in order (normal blending shows it where sprites overlap), before
    // it takes more; its storage never grows.
    SpriteBatch small(100);
    const size_t storage = small.getStorageFloats();
    expectSamePixels(small, *flare, BLEND_NORMAL, tinted, scatteredPositions(450, 3));
    EXPECT_EQ(small.getStorageFloats(), storage);
}

// Mode 3 is no blend mode: the caller's blend function stays. The batch leaves its colour and
// texture set.
TEST_F(SpriteBatchDraw, LeavesItsColourAndTextureAndTheCallersBlendFunction) {
    SpriteBatch batch(16);
    const float rgba[4] = {0.25f, 0.5f, 0.75f, 1};
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    expectSamePixels(batch, *flare, 3, rgba, {{100, 100}, {140.5f, 100.25f}});
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[1], 0.5f);
    EXPECT_EQ(static_cast<GLuint>(glInteger(GL_TEXTURE_BINDING_2D)),
              static_cast<const UIImageOpenGL&>(*flare).getTexture());
    EXPECT_EQ(glInteger(GL_MATRIX_MODE), GL_MODELVIEW);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(SpriteBatch, DrawsOtherImagesOneAtATimeInOrderWithTheSpriteFlags) {
    RecordingImage image(32, 32);
    SpriteBatch batch(2);
    const float rgba[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    batch.begin(image, BLEND_MULTIPLY, rgba);
    const std::vector<Point> positions = {{1, 2}, {3.5f, -4}, {1100, 5}};
    for (const auto& [x, y] : positions)
        batch.add(x, y);
    batch.flush();
    std::vector<Point> drawnAt;
    for (const Call& draw : image.draws) {
        drawnAt.push_back({draw.x, draw.y});
        EXPECT_EQ(std::tuple(draw.blendMode, draw.flags, draw.rgba),
                  std::tuple(BLEND_MULTIPLY, 10u, std::array<float, 4>{0.1f, 0.2f, 0.3f, 0.4f}));
    }
    EXPECT_EQ(drawnAt, positions);
}
