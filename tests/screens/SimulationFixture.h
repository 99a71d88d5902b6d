// A freshly loaded simulation screen of the running application, driven by SDL event records.
#pragma once

#include "app/GameApp.h"
#include "screens/GameState.h"
#include "tests/screens/ScreenEvents.h"
#include "ui/UISlider.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <list>
#include <memory>

class SimulationFixture : public ::testing::Test {
public:
    using Slider = GameState::PanelSlider;

    void SetUp() override {
        std::remove(GameState::STATE_PATH);
        getApp()->getRandom()->seed(1234);
        screen = std::make_unique<GameState>(getApp()->getGraphics());
        ASSERT_TRUE(screen->load());
    }
    void TearDown() override { std::remove(GameState::STATE_PATH); }

    void move(int x, int y) {
        const SDL_MouseMotionEvent event = motionTo(x, y);
        screen->mouseMove(&event);
    }
    void press(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        const SDL_MouseButtonEvent event = pressAt(x, y, button);
        screen->mouseDown(&event);
    }
    void release(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        const SDL_MouseButtonEvent event = releaseAt(x, y, button);
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
    UISlider* slider(Slider which) const { return screen->getSlider(which); }
    const FieldVector& cell(int column, int row) const {
        return screen->getField()[row * FlowField::COLUMNS + column];
    }
    bool fieldIsZero() const {
        for (int i = 0; i < FlowField::CELL_COUNT; ++i)
            if (screen->getField()[i].x != 0 || screen->getField()[i].y != 0)
                return false;
        return true;
    }

    std::unique_ptr<GameState> screen;
};
