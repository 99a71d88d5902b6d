#include "screens/TitleState.h"

#include "tests/screens/ScreenEvents.h"
#include "tests/support/ScreenServices.h"
#include "ui/UIButton.h"

#include <gtest/gtest.h>

namespace {
/// A loaded title screen whose navigator records what the screen asks for.
class TitleScreen : public ::testing::Test {
protected:
    void SetUp() override {
        title = std::make_unique<TitleState>(screenServices().context());
        ASSERT_TRUE(title->load());
    }
    void TearDown() override { navigator = RecordingNavigator(); }

    RecordingNavigator& navigator = screenServices().navigator;
    std::unique_ptr<TitleState> title;
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

// Each click: where it is pressed and released, whether the run was going on, which screen the
// title screen then asks for, and whether the run goes on.
TEST_F(TitleScreen, PlayAndExitActOnAClickOnThemWhileRunning) {
    const int exitY = title->getExitButton()->getY() + 10;
    const struct {
        const char* what;
        bool running;
        int pressY, releaseX, releaseY;
        int changedTo;
        bool stillRunning;
    } cases[] = {
        {"play", true, 400, 512, 400, SIMULATION_SCREEN, true},
        {"play after an Escape earlier in the pass", false, 400, 512, 400, 0, false},
        {"play released outside", true, 400, 900, 400, 0, true},
        {"the title line", true, 110, 512, 110, 0, true},
        {"exit", true, exitY, 512, exitY, 0, false},
    };
    for (const auto& c : cases) {
        navigator = RecordingNavigator();
        navigator.running = c.running;
        const SDL_MouseButtonEvent down = leftButton(SDL_MOUSEBUTTONDOWN, 512, c.pressY);
        const SDL_MouseButtonEvent up = leftButton(SDL_MOUSEBUTTONUP, c.releaseX, c.releaseY);
        title->mouseDown(&down);
        title->mouseUp(&up);
        EXPECT_EQ(navigator.changedTo, c.changedTo) << c.what;
        EXPECT_EQ(navigator.isRunning(), c.stillRunning) << c.what;
    }
}
