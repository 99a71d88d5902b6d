#include "render/Texturing.h"
#include "tests/screens/SimulationFixture.h"
#include "tests/support/GLWindow.h"

#include <SDL_image.h>

#include <algorithm>
#include <cmath>

namespace {
::testing::AssertionResult near(const Pixel& actual, int r, int g, int b) {
    if (std::abs(actual.r - r) <= 3 && std::abs(actual.g - g) <= 3 && std::abs(actual.b - b) <= 3)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << actual << " is not near (" << r << ", " << g << ", " << b << ")";
}

/// Frames of the simulation screen with no particle alive.
class SceneDrawing : public SimulationFixture {
public:
    void SetUp() override {
        SimulationFixture::SetUp();
        ASSERT_NE(gradient, nullptr);
        setSlider(PARTICLE_COUNT, 0);
    }
    void draw() { screen->draw(nullptr); }
    /// Whether window pixel (x, y) shows the tinted gradient blended over `scene`.
    ::testing::AssertionResult matchesOverlay(int x, int y, Pixel scene, int mode) const {
        const Uint8* texel = static_cast<Uint8*>(gradient->pixels) + y / 2 * gradient->pitch +
                             x / 2 * gradient->format->BytesPerPixel;
        Uint8 rgba[4];
        SDL_GetRGBA(*reinterpret_cast<const Uint32*>(texel), gradient->format, &rgba[0], &rgba[1],
                    &rgba[2], &rgba[3]);
        const float* tint = model().tint().color();
        const Uint8 under[3] = {scene.r, scene.g, scene.b};
        Uint8 out[3];
        for (int c = 0; c < 3; ++c) {
            const float source = rgba[c] * tint[c];
            const float alpha = rgba[3] / 255.0f;
            const float blended = mode == BLEND_ADD ? under[c] + source * alpha
                                  : mode == BLEND_MULTIPLY
                                      ? under[c] * source / 255
                                      : source * alpha + under[c] * (1 - alpha);
            out[c] = static_cast<Uint8>(std::min(255.0f, blended));
        }
        return near(GLWindow::readPixel(x, y), out[0], out[1], out[2]);
    }

    const SurfacePtr gradient{IMG_Load("data/gradient.png")};
};
} // namespace

TEST_F(SceneDrawing, GridOverlayAndCircleBlendAsTheirModesSay) {
    screen->enter(0); // the tint fades in
    step(80);
    screen->leave();
    key(SDLK_g);
    key(SDLK_u);
    clickButton(PanelLayout::GRADIENT_MODE); // norm: over everything
    key(SDLK_u);
    const Pixel grid{64, 64, 128, 255};
    // Lines at x = 996 and y = 744 lie past the cells: the grid covers the whole window.
    draw();
    const int column = matchesOverlay(996, 306, grid, BLEND_NORMAL) ? 996 : 995;
    EXPECT_TRUE(matchesOverlay(column, 306, grid, BLEND_NORMAL));
    EXPECT_TRUE(matchesOverlay(1000, 306, {0, 0, 0, 255}, BLEND_NORMAL)) << "between lines";

    for (int mode : {BLEND_ADD, BLEND_MULTIPLY}) {
        key(SDLK_u);
        clickButton(PanelLayout::GRADIENT_MODE);
        key(SDLK_u);
        draw();
        EXPECT_TRUE(matchesOverlay(column, 306, grid, mode)) << mode;
        move(300, 200); // the circle's frame leaves blending on for the overlay
        draw();
        EXPECT_TRUE(matchesOverlay(column, 306, grid, mode)) << mode << " after a motion";
    }
}

TEST_F(SceneDrawing, TheBrushCircleShowsOnlyInTheFrameAfterAMotion) {
    move(500, 400); // radius 100: the circle passes through (600, 400)
    draw();
    int brightest = 0;
    for (int x = 596; x <= 604; ++x)
        brightest = std::max<int>(brightest, GLWindow::readPixel(x, 400).r);
    EXPECT_GT(brightest, 60);
    draw();
    for (int x = 596; x <= 604; ++x)
        EXPECT_TRUE(near(GLWindow::readPixel(x, 400), 0, 0, 0)) << x;
}
