// A freshly loaded simulation screen, driven by SDL event records as the main loop would drive
// it.
#pragma once

#include "screens/GameState.h"
#include "screens/StateFileStore.h"
#include "screens/PanelLayout.h"
#include "tests/screens/ScreenEvents.h"
#include "tests/support/FieldChecks.h"
#include "tests/support/ScreenServices.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <list>
#include <memory>

class SimulationFixture : public ::testing::Test {
public:
    /// The panel's Age and Particle count sliders.
    enum Slider { AGE = 0, PARTICLE_COUNT = 4 };
    /// The height of the sliders' centres.
    static constexpr int SLIDER_CENTRE_Y = PanelLayout::SLIDER_Y + PanelLayout::SLIDER_HEIGHT / 2;

    void SetUp() override {
        std::remove(StateFileStore::PATH);
        screenServices().random.seed(1234);
        screen = std::make_unique<GameState>(screenServices().context());
        ASSERT_TRUE(screen->load());
    }
    void TearDown() override { std::remove(StateFileStore::PATH); }

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
    /// Where a slider's thumb centre lies for `value` (0..1), in whole positions between its
    /// limits.
    static int thumbX(Slider slider, double value) {
        const int thumb = PanelLayout::SLIDER_THUMB_WIDTH;
        return PanelLayout::SLIDER_X[slider] + thumb / 2 +
               static_cast<int>(value * (PanelLayout::SLIDER_WIDTH - thumb));
    }
    /// Clicks a slider of the hidden panel at the thumb position for `value`.
    void setSlider(Slider slider, double value) {
        key(SDLK_u);
        click(thumbX(slider, value), SLIDER_CENTRE_Y);
        key(SDLK_u);
    }
    /// Clicks the centre of the panel button at `place`.
    void clickButton(PanelLayout::Place place) {
        click(place.x + PanelLayout::BUTTON_WIDTH / 2, place.y + PanelLayout::BUTTON_HEIGHT / 2);
    }
    const Simulation& model() const { return screen->simulation(); }
    bool fieldIsZero() const { return isAllZero(model().field()); }

    std::unique_ptr<GameState> screen;
};
