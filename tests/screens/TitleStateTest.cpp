#include "screens/TitleState.h"

#include "app/GameApp.h"
#include "tests/screens/ScreenEvents.h"
#include "ui/UIButton.h"

#include <gtest/gtest.h>

namespace {
/// Makes the title screen current, and leaves the application with no current screen and
/// running afterwards.
class TitleScreen : public ::testing::Test {
protected:
    void SetUp() override {
        app = getApp();
        app->setRunning(true);
        app->changeState(GameApp::TITLE_SCREEN);
        title = static_cast<TitleState*>(app->getCurrentState());
        ASSERT_EQ(title, app->getState(GameApp::TITLE_SCREEN));
    }
    void TearDown() override {
        app->changeState(0);
        app->setRunning(true);
    }

    GameApp* app = nullptr;
    TitleState* title = nullptr;
};
} // namespace

TEST_F(TitleScreen, ButtonsAreCentredOneButtonHeightApart) {
    const UIButton* play = title->getPlayButton();
    const UIButton* exit = title->getExitButton();
    EXPECT_EQ(play->getX(), 512 - play->getWidth() / 2);
    EXPECT_EQ(play->getY(), 384);
    EXPECT_EQ(exit->getX(), play->getX());
    EXPECT_EQ(exit->getY(), 384 + 2 * play->getHeight());
}

// Each click starts on the title screen: where it is pressed and released, whether the
// application was running, and which screen shows after it, running or not.
TEST_F(TitleScreen, PlayAndExitActOnAClickOnThemWhileRunning) {
    const int exitY = title->getExitButton()->getY() + 10;
    const struct {
        const char* what;
        bool running;
        int pressY, releaseX, releaseY;
        bool simulation, stillRunning;
    } cases[] = {
        {"play", true, 400, 512, 400, true, true},
        {"play after an Escape earlier in the pass", false, 400, 512, 400, false, false},
        {"play released outside", true, 400, 900, 400, false, true},
        {"the title line", true, 110, 512, 110, false, true},
        {"exit", true, exitY, 512, exitY, false, false},
    };
    for (const auto& c : cases) {
        app->setRunning(c.running);
        app->changeState(GameApp::TITLE_SCREEN);
        const SDL_MouseButtonEvent down = leftButton(SDL_MOUSEBUTTONDOWN, 512, c.pressY);
        const SDL_MouseButtonEvent up = leftButton(SDL_MOUSEBUTTONUP, c.releaseX, c.releaseY);
        title->mouseDown(&down);
        title->mouseUp(&up);
        const State* expected = c.simulation ? app->getState(GameApp::SIMULATION_SCREEN) : title;
        EXPECT_EQ(app->getCurrentState(), expected) << c.what;
        EXPECT_EQ(app->isRunning(), c.stillRunning) << c.what;
    }
}
