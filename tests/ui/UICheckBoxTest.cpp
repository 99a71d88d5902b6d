#include "ui/UICheckBox.h"

#include "tests/support/RecordingFont.h"
#include "tests/support/RecordingImage.h"
#include "tests/support/RecordingListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Records what the box reports as checked when it tells of a click.
class CheckedStateListener : public RecordingListener {
public:
    void componentActivated(UIComponent* source) override {
        RecordingListener::componentActivated(source);
        seen.push_back(static_cast<UICheckBox*>(source)->isChecked());
    }
    std::vector<bool> seen;
};

// A 16 x 16 box at (100, 50), an 8 x 8 mark, a caption 40 wide in a font 20 high.
class UICheckBoxTest : public ::testing::Test {
protected:
    UICheckBox makeBox(int layout, bool checked = false) {
        return UICheckBox(100, 50, &box, &boxDown, &mark, &font, "abcd", checked, layout, 4, -1,
                          -1);
    }

    RecordingImage box{16, 16};
    RecordingImage boxDown{16, 16};
    RecordingImage mark{8, 8};
    RecordingFont font{9, 20};
    CheckedStateListener listener;
};

TEST_F(UICheckBoxTest, LayoutPlacesCaptionMarkAndHitRange) {
    struct Case {
        int layout, width, captionX;
        int firstX, endX; // hit range [firstX, endX)
    };
    for (const Case& c :
         {Case{0, 60, 96, 56, 116}, Case{1, 40, 108, 88, 128}, Case{2, 60, 120, 100, 160}}) {
        SCOPED_TRACE(c.layout);
        UICheckBox checkBox = makeBox(c.layout, true);
        EXPECT_EQ(checkBox.getWidth(), c.width);
        EXPECT_EQ(checkBox.getHeight(), 20);
        EXPECT_FALSE(checkBox.contains(c.firstX - 1, 60));
        EXPECT_TRUE(checkBox.contains(c.firstX, 50));
        EXPECT_TRUE(checkBox.contains(c.endX - 1, 69));
        EXPECT_FALSE(checkBox.contains(c.endX, 60));
        EXPECT_FALSE(checkBox.contains(c.firstX, 70));
        checkBox.draw();
        EXPECT_EQ(font.takeTexts(), Lines{"'abcd' at " + std::to_string(c.captionX) +
                                          ",58 align 4 rgba 1,1,1,1 scale 1"});
        EXPECT_EQ(mark.takeDraws(), Lines{"blend 0 flags 11 at 108,60 rgba 1,1,1,1"});
    }
    EXPECT_FALSE(makeBox(3).contains(100, 50));
}

TEST_F(UICheckBoxTest, ClickFlipsOnceAndListenerSeesTheNewState) {
    UICheckBox checkBox = makeBox(0);
    checkBox.addListener(&listener);
    for (bool expected : {true, false}) {
        checkBox.mouseDown(60, 55);
        checkBox.mouseUp(110, 55);
        EXPECT_EQ(checkBox.isChecked(), expected);
    }
    EXPECT_EQ(listener.seen, (std::vector<bool>{true, false}));
}

TEST_F(UICheckBoxTest, ReleaseOutsideDoesNotFlip) {
    UICheckBox checkBox = makeBox(2);
    checkBox.addListener(&listener);
    checkBox.mouseDown(110, 55);
    checkBox.mouseUp(300, 55);
    EXPECT_FALSE(checkBox.isChecked());
    EXPECT_EQ(listener.takeEvents(), (Lines{"pressed ? 110 55", "released ? 300 55"}));
}

TEST_F(UICheckBoxTest, DrawsDownBoxWhileArmedWithoutMovingTheCaption) {
    UICheckBox checkBox = makeBox(2);
    checkBox.draw();
    checkBox.mouseDown(101, 51);
    checkBox.draw();
    EXPECT_EQ(box.takeDraws().size(), 1u);
    EXPECT_EQ(boxDown.takeDraws().size(), 1u);
    EXPECT_TRUE(mark.draws.empty());
    const Lines texts = font.takeTexts();
    EXPECT_EQ(texts[0], texts[1]);
}

} // namespace
