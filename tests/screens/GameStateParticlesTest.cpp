// The simulation screen draws its particles as one batch; the frame must be the one that
// drawing each sprite on its own gives.
#include "app/GameApp.h"
#include "render/UIGraphics.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "render/UIImage.h"
#include "screens/GameState.h"
#include "tests/screens/ScreenEvents.h"
#include "tests/support/FrameDifference.h"
#include "tests/support/GLWindow.h"
#include "ui/UISlider.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {
using Slider = GameState::PanelSlider;

class ParticlePass : public ::testing::Test {
protected:
    void SetUp() override {
        getApp()->getRandom()->seed(77);
        screen = std::make_unique<GameState>(getApp()->getGraphics());
        ASSERT_TRUE(screen->load());
        flare.reset(graphics()->loadImage("data/flare.png", 0x20009));
        gradient.reset(graphics()->loadImage("data/gradient.png", 0x20009));
        ASSERT_TRUE(flare && gradient);
    }

    UIGraphics* graphics() const { return getApp()->getGraphics(); }
    void key(int code) { screen->keyDown(&code); }
    void move(int x, int y) {
        const SDL_MouseMotionEvent event = motionTo(x, y);
        screen->mouseMove(&event);
    }
    void clickParticleModeButton() {
        key(SDLK_u);
        const SDL_MouseButtonEvent down = pressAt(839, 704), up = releaseAt(839, 704);
        screen->mouseDown(&down);
        screen->mouseUp(&up);
        key(SDLK_u);
    }
    /// Launch speeds of +0.5 and -0.5 pixels a step put particles on half pixels, where
    /// rounding decides pixels; a stirred field moves the rest to arbitrary fractions.
    void stirAndStep() {
        screen->getSlider(Slider::ParticleCount)->setValue(5 / 120.0); // 416 particles
        screen->getSlider(Slider::InitXSpeed)->setValue(0.55);
        screen->getSlider(Slider::InitYSpeed)->setValue(0.45);
        screen->initParticles();
        screen->enter(0);
        for (int x = 200; x <= 800; x += 40)
            move(x, 300 + x / 10);
        for (int i = 0; i < 60; ++i) {
            std::list<int> keys;
            screen->update(0, keys);
        }
        screen->leave();
    }
    /// The screen's frame in background mode, drawn with one drawRGBA per particle sprite.
    std::vector<Pixel> referenceFrame() {
        const float* tint = screen->getGradientColor();
        const float m = static_cast<float>(screen->getSlider(Slider::ColorMul)->getValue());
        const float grey = m * m * m;
        clearScreen(0, 0, 0);
        graphics()->begin2D();
        gradient->setSizeInt(GLWindow::WIDTH, GLWindow::HEIGHT);
        gradient->drawRGBA(BLEND_NORMAL, DRAW_SCALE, 0, 0, tint[0], tint[1], tint[2], 1);
        for (int i = 0; i < screen->liveCount(); ++i) {
            const Particle& particle = screen->getParticles()[i];
            flare->drawRGBA(screen->getParticleMode(), DRAW_TRANSFORMED | DRAW_PIVOT, particle.x,
                            particle.y, grey, grey, grey, 1);
        }
        graphics()->end2D();
        return GLWindow::readRegion(0, 0, GLWindow::WIDTH, GLWindow::HEIGHT);
    }
    std::vector<Pixel> screenFrame() {
        screen->draw(nullptr);
        return GLWindow::readRegion(0, 0, GLWindow::WIDTH, GLWindow::HEIGHT);
    }

    std::unique_ptr<GameState> screen;
    std::unique_ptr<UIImage> flare;
    std::unique_ptr<UIImage> gradient;
};

int countParticles(const GameState& screen, bool (*test)(const Particle&)) {
    int count = 0;
    for (int i = 0; i < screen.liveCount(); ++i)
        count += test(screen.getParticles()[i]);
    return count;
}

bool partlyOutside(const Particle& p) {
    return p.x < 16 || p.y < 16 || p.x > GLWindow::WIDTH - 16 || p.y > GLWindow::HEIGHT - 16;
}

bool onHalfPixels(const Particle& p) {
    return p.x - std::floor(p.x) == 0.5f;
}
} // namespace

TEST_F(ParticlePass, FrameEqualsOneDrawPerSpriteInEveryParticleMode) {
    stirAndStep();
    ASSERT_EQ(screen->liveCount(), 416);
    EXPECT_GT(countParticles(*screen, partlyOutside), 0) << "sprites cut by the window's edge";
    EXPECT_GT(countParticles(*screen, onHalfPixels), 40);
    screen->draw(nullptr); // the frame after the motions carries the brush circle
    for (int mode : {1, 2, 0}) {
        ASSERT_EQ(screen->getParticleMode(), mode);
        const std::vector<Pixel> batched = screenFrame();
        const FrameDifference difference = compareFrames(referenceFrame(), batched);
        EXPECT_EQ(difference.count, 0) << "particle mode " << mode << ": " << difference;
        clickParticleModeButton();
    }
}
