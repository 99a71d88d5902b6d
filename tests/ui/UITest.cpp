#include "ui/UI.h"

#include "tests/support/Recorders.h"
#include "ui/UIButton.h"
#include "ui/UISlider.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

class UITest : public testing::Test {
protected:
    // A new 100 x 40 button at (x, y) that reports to `to`.
    std::unique_ptr<UIButton> button(int x, int y, RecordingListener& to) {
        auto made = std::make_unique<UIButton>(x, y, &up, nullptr, nullptr, nullptr, nullptr, 0,
                                               0, 0, 0, 0);
        made->addListener(&to);
        return made;
    }

    RecordingImage up{100, 40};
    RecordingListener listener, other;
    UI ui;
};

TEST_F(UITest, PressOnEmptySpaceIsNotTakenAndReleaseOnAnotherButtonDoesNotClick) {
    ui.showComponent(button(10, 10, listener));
    ui.showComponent(button(200, 10, other));
    EXPECT_FALSE(ui.mouseDown(110, 30));
    EXPECT_FALSE(ui.mouseUp(110, 30));
    ui.mouseDown(20, 20);
    EXPECT_TRUE(ui.mouseMove(210, 20));
    EXPECT_TRUE(ui.mouseUp(210, 20));
    EXPECT_EQ(listener.events, (Events{"pressed 20 20", "dragged 210 20", "released 210 20"}));
    // The manager sees positions only: a right-button click or a wheel step (a press and a
    // release of button 4 or 5) arrives as this same pair and clicks like the left button.
    EXPECT_TRUE(ui.mouseDown(299, 49));
    EXPECT_TRUE(ui.mouseUp(299, 49));
    EXPECT_EQ(other.events, (Events{"pressed 299 49", "released 299 49", "activated"}));
}

TEST_F(UITest, MotionWhileSliderPressedReturnsTrueEverywhere) {
    RecordingImage track(120, 16), thumb(10, 16);
    ui.showComponent(std::make_unique<UISlider>(100, 100, &track, &thumb, 0, 0.5, -1, -1));
    ASSERT_TRUE(ui.mouseDown(150, 108));
    for (const auto& [x, y] : {std::pair{0, 0}, {1000, 108}, {150, 700}})
        EXPECT_TRUE(ui.mouseMove(x, y)) << x << "," << y;
    EXPECT_TRUE(ui.mouseUp(150, 0));
    EXPECT_FALSE(ui.mouseMove(150, 108));
}

TEST_F(UITest, HiddenPressedButtonGetsTheReleaseAfterShowAllAndClearLeavesNothing) {
    ui.addComponent(button(10, 10, listener));
    ui.draw();
    EXPECT_TRUE(up.draws.empty());
    ui.showAll();
    ui.mouseDown(20, 20);
    ui.hideAll();
    EXPECT_FALSE(ui.mouseUp(30, 30));
    ui.showAll();
    ui.showAll();
    ui.draw();
    EXPECT_EQ(up.draws.size(), 1u);
    EXPECT_TRUE(ui.mouseUp(30, 30));
    EXPECT_EQ(listener.events, (Events{"pressed 20 20", "released 30 30", "activated"}));
    ui.mouseDown(20, 20);
    ui.clear();
    ui.draw();
    EXPECT_EQ(up.draws.size(), 1u);
    EXPECT_FALSE(ui.mouseDown(20, 20) || ui.mouseMove(20, 20) || ui.mouseUp(20, 20));
}

} // namespace
