// A freshly loaded simulation screen, driven by SDL event records as the main loop would drive
// it.
#pragma once

#include "screens/GameState.h"
#include "tests/support/ScreenServices.h"
#include "tests/screens/ScreenEvents.h"
#include "tests/support/FieldChecks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <list>
#include <memory>

class SimulationFixture : public ::testing::Test {
public:
    /// Left edges of the panel's Age and Particle count sliders.
    enum SliderX { AGE = 20, PARTICLE_COUNT = 580 };

    void SetUp() override {
        std::remove(GameState::STATE_PATH);
        screenServices().random.seed(1234);
        screen = std::make_unique<GameState>(screenServices().context());
        ASSERT_TRUE(screen->load());
    }
    void TearDown() override { std::remove(GameState::STATE_PATH); }

    void move(int x, int y) {
        const SDL_MouseMotionEvent event = motionTo(x, y);
        screen->mouseMove(&event);
    }
    void press(int x, int y) {
        const SDL_MouseButtonEvent event = leftButton(SDL_MOUSEBUTTONDOWN, x, y);
        screen->mouseDown(&event);
    }
    void release(int x, int y) {
        const SDL_MouseButtonEvent event = leftButton(SDL_MOUSEBUTTONUP, x, y);
        screen->mouseUp(&event);
    }
    void click(int x, int y) {
        press(x, y);
        release(x, y);
    }
    void key(int code) { screen->keyDown(&code); }
    void step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            std::list<int> keys{SDLK_g};
            screen->update(0, keys);
        }
    }
    /// Clicks a slider of the hidden panel at the thumb position for `value` (0..1), in
    /// whole positions of the 120 between its limits.
    void setSlider(SliderX slider, double value) {
        key(SDLK_u);
        click(slider + 5 + static_cast<int>(value * 120), 33);
        key(SDLK_u);
    }
    const Simulation& model() const { return screen->simulation(); }
    bool fieldIsZero() const { return isAllZero(model().field()); }

    std::unique_ptr<GameState> screen;
};
