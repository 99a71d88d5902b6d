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

    void click(int pressX, int pressY, int releaseX, int releaseY) {
        const SDL_MouseButtonEvent down = pressAt(pressX, pressY);
        const SDL_MouseButtonEvent up = releaseAt(releaseX, releaseY);
        title->mouseDown(&down);
        title->mouseUp(&up);
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

TEST_F(TitleScreen, PlaySwitchesToTheSimulationOnlyWhileRunning) {
    app->setRunning(false); // as after an Escape earlier in the same pass
    click(512, 400, 512, 400);
    EXPECT_EQ(app->getCurrentState(), title);

    app->setRunning(true);
    click(512, 400, 512, 400);
    EXPECT_EQ(app->getCurrentState(), app->getState(GameApp::SIMULATION_SCREEN));
}

TEST_F(TitleScreen, ReleaseOutsidePlayAndPressesOnLabelsDoNothing) {
    click(512, 400, 900, 400);
    click(512, 110, 512, 110); // the title line
    EXPECT_EQ(app->getCurrentState(), title);
    EXPECT_TRUE(app->isRunning());
}

TEST_F(TitleScreen, ExitEndsTheApplication) {
    const int exitY = title->getExitButton()->getY() + 10;
    click(512, exitY, 512, exitY);
    EXPECT_FALSE(app->isRunning());
    EXPECT_EQ(app->getCurrentState(), title);
}
