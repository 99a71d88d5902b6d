#include "ui/UI.h"

#include "tests/support/RecordingGraphics.h"
#include "tests/support/RecordingImage.h"
#include "tests/support/RecordingListener.h"
#include "ui/UIButton.h"
#include "ui/UISlider.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A 10 x 10 component at the origin that counts what the manager does to it.
class ProbeComponent : public UIComponent {
public:
    explicit ProbeComponent(int* destroyed = nullptr, const RecordingGraphics* graphics = nullptr)
        : UIComponent(0, 0, 10, 10), destroyed(destroyed), graphics(graphics) {}
    ~ProbeComponent() override {
        if (destroyed)
            ++*destroyed;
    }
    void mouseUp(int, int) override { ++releases; }
    void draw() override {
        ++draws;
        insideBracket = graphics && graphics->begin2DCount == 1 && graphics->end2DCount == 0;
    }

    int releases = 0;
    int draws = 0;
    bool insideBracket = false;

private:
    int* destroyed;
    const RecordingGraphics* graphics;
};

class UITest : public ::testing::Test {
protected:
    // Shows a 100 x 40 button at (x, y) that the listener knows by name.
    UIButton* showButton(const std::string& name, int x, int y) {
        auto* button = new UIButton(x, y, &up, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0);
        button->addListener(&listener);
        listener.setName(button, name);
        ui.showComponent(button);
        return button;
    }
    void TearDown() override { ui.deleteAll(); }

    RecordingImage up{100, 40};
    RecordingListener listener;
    UI ui;
};

// The manager sees positions only: a right-button click or a wheel step (a press and a
// release of button 4 or 5) arrives as the same pair and clicks like the left button.
TEST_F(UITest, PressAndReleaseInsideIsAClickWhateverTheButton) {
    showButton("ok", 10, 10);
    for (const auto& [x, y] : {std::pair{10, 10}, std::pair{109, 49}}) {
        EXPECT_TRUE(ui.mouseDown(x, y));
        EXPECT_TRUE(ui.mouseUp(x, y));
        const std::string at = " " + std::to_string(x) + " " + std::to_string(y);
        EXPECT_EQ(listener.takeEvents(),
                  (Lines{"pressed ok" + at, "released ok" + at, "activated ok"}));
    }
}

TEST_F(UITest, PressOnEmptySpaceReturnsFalseYetReleaseReachesEveryWidget) {
    UIButton* ok = showButton("ok", 10, 10);
    auto* probe = new ProbeComponent;
    ui.showComponent(probe);
    for (const auto& [x, y] : {std::pair{110, 30}, std::pair{50, 50}, std::pair{9, 30}}) {
        EXPECT_FALSE(ui.mouseDown(x, y));
        EXPECT_FALSE(ui.mouseUp(x, y));
    }
    EXPECT_FALSE(ok->isPressed());
    EXPECT_EQ(probe->releases, 3);
    EXPECT_TRUE(listener.events.empty());
}

TEST_F(UITest, PressReachesEveryWidgetUnderThePoint) {
    UIButton* below = showButton("below", 10, 10);
    UIButton* above = showButton("above", 60, 30);
    UIButton* apart = showButton("apart", 300, 300);
    EXPECT_TRUE(ui.mouseDown(80, 40));
    EXPECT_TRUE(below->isPressed());
    EXPECT_TRUE(above->isPressed());
    EXPECT_FALSE(apart->isPressed());
}

TEST_F(UITest, ReleaseOnAnotherButtonEndsThePressWithoutClick) {
    showButton("first", 10, 10);
    showButton("second", 200, 10);
    ui.mouseDown(20, 20);
    EXPECT_TRUE(ui.mouseMove(210, 20));
    EXPECT_TRUE(ui.mouseUp(210, 20));
    EXPECT_EQ(listener.takeEvents(),
              (Lines{"pressed first 20 20", "dragged first 210 20", "released first 210 20"}));
}

TEST_F(UITest, MotionWhileSliderPressedReturnsTrueEverywhere) {
    RecordingImage track(120, 16), thumb(10, 16);
    ui.showComponent(new UISlider(100, 100, &track, &thumb, 0, 0.5, -1, -1));
    EXPECT_FALSE(ui.mouseMove(150, 108));
    ASSERT_TRUE(ui.mouseDown(150, 108));
    const std::pair<int, int> points[] = {{150, 108}, {0, 0}, {1000, 108}, {150, 700}};
    for (const auto& [x, y] : points)
        EXPECT_TRUE(ui.mouseMove(x, y)) << x << "," << y;
    EXPECT_TRUE(ui.mouseUp(150, 0));
    EXPECT_FALSE(ui.mouseMove(150, 108));
}

TEST_F(UITest, HiddenPressedWidgetGetsTheReleaseAfterShowAll) {
    UIButton* ok = showButton("ok", 10, 10);
    ui.mouseDown(20, 20);
    listener.takeEvents();
    ui.hideAll();
    EXPECT_FALSE(ui.mouseMove(30, 30));
    EXPECT_FALSE(ui.mouseUp(30, 30));
    EXPECT_TRUE(ok->isPressed());
    EXPECT_TRUE(listener.events.empty());
    ui.showAll();
    EXPECT_TRUE(ui.mouseUp(30, 30));
    EXPECT_EQ(listener.takeEvents(), (Lines{"released ok 30 30", "activated ok"}));
}

TEST_F(UITest, AddedWidgetIsShownOnlyByShowAllAndOnceHoweverOften) {
    auto* probe = new ProbeComponent;
    ui.addComponent(probe);
    ui.addComponent(probe);
    ui.addComponent(nullptr);
    ui.showComponent(nullptr);
    ui.draw();
    EXPECT_EQ(probe->draws, 0);
    ui.showAll();
    ui.showAll();
    ui.draw();
    ui.mouseUp(0, 0);
    EXPECT_EQ(probe->draws, 1);
    EXPECT_EQ(probe->releases, 1);
}

TEST_F(UITest, DrawBracketsWidgetsOnlyWithGraphics) {
    RecordingGraphics graphics;
    auto* probe = new ProbeComponent(nullptr, &graphics);
    ui.showComponent(probe);
    ui.draw();
    EXPECT_EQ(probe->draws, 1);
    ui.setGraphics(&graphics);
    ui.draw();
    EXPECT_TRUE(probe->insideBracket);
    EXPECT_EQ(graphics.end2DCount, 1);
}

TEST_F(UITest, DeleteAllDestroysEveryOwnedWidgetAndLeavesNothing) {
    int destroyed = 0;
    ui.showComponent(new ProbeComponent(&destroyed));
    ui.addComponent(new ProbeComponent(&destroyed));
    showButton("ok", 10, 10);
    ui.mouseDown(20, 20);
    ui.deleteAll();
    EXPECT_EQ(destroyed, 2);
    ui.draw();
    EXPECT_TRUE(up.draws.empty());
    EXPECT_FALSE(ui.mouseDown(20, 20));
    EXPECT_FALSE(ui.mouseMove(20, 20));
    EXPECT_FALSE(ui.mouseUp(20, 20));
}

TEST_F(UITest, DestroyingTheManagerLeavesItsWidgetsAlive) {
    int destroyed = 0;
    auto* probe = new ProbeComponent(&destroyed);
    UI{}.showComponent(probe);
    EXPECT_EQ(destroyed, 0);
    delete probe;
}

} // namespace
