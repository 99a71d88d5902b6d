#include "render/SpriteBatch.h"

#include "render/UIImageOpenGL.h"
#include "tests/render/RenderTestSupport.h"
#include "tests/support/FrameDifference.h"
#include "tests/support/RecordingImage.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace {

using Positions = std::vector<std::pair<float, float>>;

/// `count` positions over the window and a 24-pixel band around it, so some sprites are cut by
/// the edges: whole pixels, halves and arbitrary fractions.
Positions scatteredPositions(int count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> x(-24, GLWindow::WIDTH + 24);
    std::uniform_real_distribution<float> y(-24, GLWindow::HEIGHT + 24);
    Positions positions;
    for (int i = 0; i < count; ++i) {
        float px = x(random), py = y(random);
        if (i % 3 == 1) {
            px = std::floor(px);
            py = std::floor(py) + 0.5f;
        }
        positions.emplace_back(px, py);
    }
    return positions;
}

/// Each test draws over a coloured backdrop, so multiply and normal blending show.
class SpriteBatchDraw : public Drawing2D {
protected:
    void SetUp() override {
        Drawing2D::SetUp();
        const SurfacePtr picture = makePicture(16, 16, [](int x, int y) {
            return Pixel{static_cast<Uint8>(x * 16), static_cast<Uint8>(y * 16), 160, 255};
        });
        backdrop.reset(graphics.createImage(picture.get(), IMAGE_FILE_FLAGS, nullptr));
        backdrop->setSizeInt(GLWindow::WIDTH, GLWindow::HEIGHT);
    }

    /// The window after the backdrop and the sprites, drawn by `batch` one way or the other.
    std::vector<Pixel> drawScene(SpriteBatch& batch, bool oneAtATime, UIImage& sprite,
                                 int blendMode, const float rgba[4], const Positions& positions) {
        clearScreen(0, 0, 0);
        backdrop->drawAt(0, 0);
        batch.setOneAtATime(oneAtATime);
        batch.begin(sprite, blendMode, rgba);
        for (const auto& [x, y] : positions)
            batch.add(x, y);
        batch.flush();
        return GLWindow::readRegion(0, 0, GLWindow::WIDTH, GLWindow::HEIGHT);
    }

    /// Draws the scene both ways and expects the same window, pixel for pixel.
    void expectSamePixels(SpriteBatch& batch, UIImage& sprite, int blendMode, const float rgba[4],
                          const Positions& positions) {
        const std::vector<Pixel> reference =
            drawScene(batch, true, sprite, blendMode, rgba, positions);
        const std::vector<Pixel> batched =
            drawScene(batch, false, sprite, blendMode, rgba, positions);
        const FrameDifference difference = compareFrames(reference, batched);
        EXPECT_EQ(difference.count, 0) << "blend mode " << blendMode << ": " << difference;
    }

    std::unique_ptr<UIImage> loadFlare() {
        return std::unique_ptr<UIImage>(graphics.loadImage("data/flare.png", IMAGE_FILE_FLAGS));
    }

    std::unique_ptr<UIImage> backdrop;
};

/// The model-view matrix followed by the projection matrix.
std::vector<GLfloat> matrices() {
    std::vector<GLfloat> both(32);
    glGetFloatv(GL_MODELVIEW_MATRIX, both.data());
    glGetFloatv(GL_PROJECTION_MATRIX, both.data() + 16);
    return both;
}

GLint blendFunction(GLenum which) {
    GLint value;
    glGetIntegerv(which, &value);
    return value;
}

} // namespace

TEST_F(SpriteBatchDraw, GivesTheSamePixelsAsOneDrawPerSpriteInEveryBlendMode) {
    const std::unique_ptr<UIImage> flare = loadFlare();
    ASSERT_NE(flare, nullptr);
    SpriteBatch batch(10000);
    const Positions positions = scatteredPositions(400, 7);
    const float grey[4] = {0.343f, 0.343f, 0.343f, 1};
    const float tinted[4] = {0.9f, 0.6f, 0.3f, 0.7f};
    for (int blendMode : {BLEND_NORMAL, BLEND_ADD, BLEND_MULTIPLY})
        for (const float* rgba : {grey, tinted})
            expectSamePixels(batch, *flare, blendMode, rgba, positions);
}

TEST_F(SpriteBatchDraw, GivesTheSamePixelsForOddSizesMovedPivotsAndPartTextures) {
    // 31 x 17 lies in a 32 x 32 texture (extents below 1) with corners on half pixels.
    const SurfacePtr picture = makePicture(31, 17, [](int x, int y) {
        return Pixel{static_cast<Uint8>(x * 8), 255, static_cast<Uint8>(y * 15),
                     static_cast<Uint8>(128 + x * 4)};
    });
    const std::unique_ptr<UIImage> odd(graphics.createImage(picture.get(), IMAGE_FILE_FLAGS, nullptr));
    SpriteBatch batch(10000);
    const float white[4] = {1, 1, 1, 1};
    const Positions positions = scatteredPositions(300, 11);
    expectSamePixels(batch, *odd, BLEND_NORMAL, white, positions);
    odd->setPivot(3, 15);
    expectSamePixels(batch, *odd, BLEND_ADD, white, positions);
    // A moved model-view matrix moves the batch with it, rounding included.
    glPushMatrix();
    glTranslatef(3.25f, -7.5f, 0);
    expectSamePixels(batch, *odd, BLEND_NORMAL, white, positions);
    glPopMatrix();
}

TEST_F(SpriteBatchDraw, AFullBatchIsDrawnInOrderBeforeItTakesMoreWithoutGrowing) {
    const std::unique_ptr<UIImage> flare = loadFlare();
    SpriteBatch small(100);
    const size_t storage = small.getStorageFloats();
    const float tinted[4] = {0.9f, 0.6f, 0.3f, 0.8f};
    // Normal blending shows the order where sprites overlap.
    expectSamePixels(small, *flare, BLEND_NORMAL, tinted, scatteredPositions(450, 3));
    EXPECT_EQ(small.getCapacity(), 100);
    EXPECT_EQ(small.getStorageFloats(), storage);

    SpriteBatch full(10000);
    const size_t fullStorage = full.getStorageFloats();
    for (int count : {10000, 2500, 12000}) {
        drawScene(full, false, *flare, BLEND_ADD, tinted, scatteredPositions(count, count));
        EXPECT_EQ(full.getStorageFloats(), fullStorage) << count << " sprites";
    }
}

TEST_F(SpriteBatchDraw, LeavesBlendFunctionClientArraysAndMatrixAsTheyWere) {
    const std::unique_ptr<UIImage> flare = loadFlare();
    SpriteBatch batch(16);
    const float rgba[4] = {0.25f, 0.5f, 0.75f, 1};
    const std::vector<GLfloat> matricesBefore = matrices();
    for (int blendMode : {0, 1, 2, 3}) {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        batch.begin(*flare, blendMode, rgba);
        batch.add(100, 100);
        batch.add(140.5f, 100.25f);
        batch.flush();
        EXPECT_EQ(blendFunction(GL_BLEND_SRC), GL_SRC_ALPHA) << blendMode;
        EXPECT_EQ(blendFunction(GL_BLEND_DST), GL_ONE) << blendMode;
        EXPECT_FALSE(glIsEnabled(GL_VERTEX_ARRAY));
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(colour[1], 0.5f);
        GLint texture;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        EXPECT_EQ(static_cast<GLuint>(texture),
                  static_cast<const UIImageOpenGL&>(*flare).getTexture());
    }
    EXPECT_EQ(matrices(), matricesBefore);
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(SpriteBatch, DrawsOtherImagesOneAtATimeInOrderWithTheSpriteFlags) {
    RecordingImage image(32, 32);
    SpriteBatch batch(2);
    const float rgba[4] = {0.1f, 0.2f, 0.3f, 0.4f};
    batch.begin(image, BLEND_MULTIPLY, rgba);
    const Positions positions = {{1, 2}, {3.5f, -4}, {1100, 5}};
    for (const auto& [x, y] : positions)
        batch.add(x, y);
    batch.flush();
    ASSERT_EQ(image.draws.size(), positions.size());
    for (size_t i = 0; i < positions.size(); ++i) {
        const RecordingImage::Draw& draw = image.draws[i];
        EXPECT_EQ(draw.blendMode, BLEND_MULTIPLY);
        EXPECT_EQ(draw.flags, 10u);
        EXPECT_EQ(std::make_pair(draw.x, draw.y), positions[i]);
        EXPECT_EQ(draw.rgba, (std::array<float, 4>{0.1f, 0.2f, 0.3f, 0.4f}));
    }
}
