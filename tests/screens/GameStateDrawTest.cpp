#include "screens/GameState.h"

#include "app/GameApp.h"
#include "tests/screens/ScreenEvents.h"
#include "tests/support/GLWindow.h"
#include "ui/UISlider.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {
using Slider = GameState::PanelSlider;

/// Channel-wise closeness of a read-back pixel to an expected colour.
::testing::AssertionResult near(const Pixel& actual, int r, int g, int b, int tolerance = 3) {
    if (std::abs(actual.r - r) <= tolerance && std::abs(actual.g - g) <= tolerance &&
        std::abs(actual.b - b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not near (" << r << ", " << g << ", "
                                         << b << ")";
}

class SceneDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        gradient = IMG_Load("data/gradient.png");
        ASSERT_NE(gradient, nullptr);
    }
    static void TearDownTestSuite() { SDL_FreeSurface(gradient); }

    void SetUp() override {
        screen = std::make_unique<GameState>(getApp()->getGraphics());
        ASSERT_TRUE(screen->load());
        setCount(1.0 / 120); // 83 particles where they were born: launch speeds are 0
    }

    void setCount(double value) { screen->getSlider(Slider::ParticleCount)->setValue(value); }
    void key(int code) { screen->keyDown(&code); }
    void move(int x, int y) {
        const SDL_MouseMotionEvent event = motionTo(x, y);
        screen->mouseMove(&event);
    }
    void draw() { screen->draw(nullptr); }
    /// Steps the tint fade (particles stay: the step only moves live ones, count 0 here).
    void fadeTint(int steps) {
        const double count = screen->getSlider(Slider::ParticleCount)->getValue();
        setCount(0);
        screen->enter(0);
        for (int i = 0; i < steps; ++i) {
            std::list<int> keys;
            screen->update(0, keys);
        }
        screen->leave();
        setCount(count);
    }
    void cycleGradientTo(int mode) {
        while (screen->getGradientMode() != mode) {
            screen->componentActivated(nullptr); // no widget: nothing changes
            key(SDLK_u);
            const SDL_MouseButtonEvent down = pressAt(959, 704), up = releaseAt(959, 704);
            screen->mouseDown(&down);
            screen->mouseUp(&up);
            key(SDLK_u);
        }
    }
    /// The gradient texel under a window pixel (the picture is stretched over the window).
    static Pixel gradientAt(int x, int y) {
        const int tx = x * gradient->w / 1024, ty = y * gradient->h / 768;
        Uint8 r, g, b, a;
        SDL_LockSurface(gradient);
        const Uint8* p = static_cast<Uint8*>(gradient->pixels) + ty * gradient->pitch +
                         tx * gradient->format->BytesPerPixel;
        Uint32 value = 0;
        std::copy(p, p + gradient->format->BytesPerPixel, reinterpret_cast<Uint8*>(&value));
        SDL_UnlockSurface(gradient);
        SDL_GetRGBA(value, gradient->format, &r, &g, &b, &a);
        return {r, g, b, a};
    }
    /// A window pixel at least 40 pixels from every live particle.
    std::pair<int, int> darkSpot() const {
        for (int y = 500; y < 700; y += 7)
            for (int x = 20; x < 1000; x += 7) {
                bool clear = true;
                for (int i = 0; i < screen->liveCount(); ++i) {
                    const Particle& p = screen->getParticles()[i];
                    clear = clear && std::hypot(p.x - x, p.y - y) > 40;
                }
                if (clear)
                    return {x, y};
            }
        return {0, 0};
    }

    static SDL_Surface* gradient;
    std::unique_ptr<GameState> screen;
};

SDL_Surface* SceneDrawing::gradient = nullptr;
} // namespace

TEST_F(SceneDrawing, ParticlesLightThePixelsAroundThemInAddModeAndNothingAtGreyZero) {
    const Particle& first = screen->getParticles()[0];
    const int x = static_cast<int>(first.x), y = static_cast<int>(first.y);
    draw(); // background mode with the tint still black: only particles show
    const Pixel lit = GLWindow::readPixel(x, y);
    EXPECT_GT(lit.r, 40);
    EXPECT_EQ(lit.r, lit.b) << "white flare, grey tint";
    EXPECT_GT(GLWindow::readPixel(x + 5, y + 5).r, 10);
    const auto [darkX, darkY] = darkSpot();
    EXPECT_TRUE(near(GLWindow::readPixel(darkX, darkY), 0, 0, 0));

    screen->getSlider(Slider::ColorMul)->setValue(0);
    draw();
    EXPECT_TRUE(near(GLWindow::readPixel(x, y), 0, 0, 0, 0));
}

TEST_F(SceneDrawing, BackgroundModeDrawsTheTintedGradientUnderTheParticles) {
    fadeTint(50); // tint about half-way from black to white
    const float* tint = screen->getGradientColor();
    setCount(0);
    draw();
    for (const auto& [x, y] : {std::pair{100, 600}, {700, 300}, {1000, 50}}) {
        const Pixel texel = gradientAt(x, y);
        const float alpha = texel.a / 255.0f; // normal blending over black
        EXPECT_TRUE(near(GLWindow::readPixel(x, y), static_cast<int>(texel.r * tint[0] * alpha),
                         static_cast<int>(texel.g * tint[1] * alpha),
                         static_cast<int>(texel.b * tint[2] * alpha)));
    }
    setCount(1.0 / 120);
    draw();
    const Particle& first = screen->getParticles()[0];
    const Pixel withParticle = GLWindow::readPixel(static_cast<int>(first.x), static_cast<int>(first.y));
    const Pixel texel = gradientAt(static_cast<int>(first.x), static_cast<int>(first.y));
    EXPECT_GT(withParticle.r, texel.r * tint[0] * texel.a / 255 + 30) << "the particle glows on top";
}

TEST_F(SceneDrawing, GridLinesCarryTheGridColourOverTheWholeWindow) {
    setCount(0);
    key(SDLK_g);
    draw();
    // A vertical line at x = 996 (past the cells) and a horizontal one at y = 744.
    for (const auto& [x, y] : {std::pair{996, 300}, {500, 744}}) {
        const Pixel a = GLWindow::readPixel(x, y);
        const Pixel b = x == 996 ? GLWindow::readPixel(x - 1, y) : GLWindow::readPixel(x, y - 1);
        EXPECT_TRUE(near(a, 64, 64, 128) || near(b, 64, 64, 128)) << a << " " << b;
    }
    EXPECT_TRUE(near(GLWindow::readPixel(1000, 306), 0, 0, 0));
}

TEST_F(SceneDrawing, TheBrushCircleShowsOnlyInTheFrameAfterAMotion) {
    setCount(0);
    move(500, 400); // radius 100: the circle passes through (600, 400)
    draw();
    Pixel brightest{0, 0, 0, 0};
    for (int x = 596; x <= 604; ++x)
        brightest = std::max(brightest, GLWindow::readPixel(x, 400),
                             [](const Pixel& a, const Pixel& b) { return a.r < b.r; });
    EXPECT_GT(brightest.r, 60);
    draw();
    for (int x = 596; x <= 604; ++x)
        EXPECT_TRUE(near(GLWindow::readPixel(x, 400), 0, 0, 0)) << x;
}

TEST_F(SceneDrawing, OverlayModesAddAndMultiplyTheTintedGradientOverTheScene) {
    fadeTint(80);
    const float* tint = screen->getGradientColor();
    setCount(0);
    key(SDLK_g);
    const int lineX = 996, lineY = 300; // a grid line pixel (64, 64, 128) or its neighbour
    draw();
    const int column = near(GLWindow::readPixel(lineX, lineY), 64, 64, 128) ? lineX : lineX - 1;
    const Pixel texel = gradientAt(column, lineY);
    const float alpha = texel.a / 255.0f;
    auto added = [&](int scene, Uint8 channel, float tinted) {
        return std::min(255, scene + static_cast<int>(channel * tinted * alpha));
    };

    cycleGradientTo(1);
    draw();
    EXPECT_TRUE(near(GLWindow::readPixel(column, lineY), added(64, texel.r, tint[0]),
                     added(64, texel.g, tint[1]), added(128, texel.b, tint[2])));
    // The same after a motion: the circle leaves blending on for the overlay.
    move(300, 200);
    draw();
    EXPECT_TRUE(near(GLWindow::readPixel(column, lineY), added(64, texel.r, tint[0]),
                     added(64, texel.g, tint[1]), added(128, texel.b, tint[2])));

    cycleGradientTo(2);
    draw();
    EXPECT_TRUE(near(GLWindow::readPixel(column, lineY), static_cast<int>(64 * texel.r * tint[0] / 255),
                     static_cast<int>(64 * texel.g * tint[1] / 255),
                     static_cast<int>(128 * texel.b * tint[2] / 255)));
}
