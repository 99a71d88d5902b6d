#include "ui/UIButton.h"

#include "tests/support/Recorders.h"
#include "ui/UICheckBox.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

// Glyphs 9 pixels wide plus the spacing of 1: "abcd" measures 40; lines are 20 high.
class UIButtonTest : public testing::Test {
protected:
    RecordingImage up{101, 41}, down{90, 30}, icon{20, 10}, box{16, 16};
    RecordingFont font{9, 20};
};

TEST_F(UIButtonTest, SizeComesFromFirstImageElseFromCaptionAndFont) {
    const auto size = [](UIImage* up, UIImage* down, UIImage* icon, UIFont* font,
                         const char* text) {
        const UIButton button(5, 7, up, down, icon, font, text, 5, -1, -1, 0, 0);
        return std::pair(button.getWidth(), button.getHeight());
    };
    EXPECT_EQ(size(&up, &down, &icon, &font, "abcd"), std::pair(101, 41));
    EXPECT_EQ(size(nullptr, &down, &icon, &font, ""), std::pair(90, 30));
    EXPECT_EQ(size(nullptr, nullptr, nullptr, &font, "abcd"), std::pair(40, 20));
    EXPECT_EQ(size(nullptr, nullptr, nullptr, nullptr, "abcd"), std::pair(0, 0));
    EXPECT_EQ(size(nullptr, nullptr, nullptr, &font, nullptr), std::pair(0, 0));
}

TEST_F(UIButtonTest, WhileArmedDrawsTheDownImageAndOffsetCaptionInTheForegroundColour) {
    char caption[] = "ok";
    UIButton button(10, 20, &up, &down, &icon, &font, caption, 5, -1, -1, 2, 3);
    caption[0] = 'X'; // the button keeps a copy
    button.setForegroundColor(0.5f, 0.6f, 0.7f, 0.8f);
    button.draw();
    button.mouseDown(15, 25);
    button.draw();
    EXPECT_EQ(up.draws.size(), 1u);
    EXPECT_EQ(lastAt(down.draws), Point(10, 20));
    // Icon and caption sit on the centre, the halves of 101 x 41 truncated.
    EXPECT_EQ(lastAt(icon.draws), Point(60, 40));
    EXPECT_EQ(Point(font.texts[0].x, font.texts[0].y), Point(60, 40));
    EXPECT_EQ(lastAt(font.texts), Point(62, 43));
    EXPECT_EQ(font.texts.back().text, "ok");
    const std::array<float, 4> foreground{0.5f, 0.6f, 0.7f, 0.8f};
    EXPECT_EQ(font.texts.back().rgba, foreground);
    EXPECT_EQ(icon.draws.back().rgba, foreground);
}

TEST_F(UIButtonTest, DragOutAndBackInThenReleaseInsideClicksOnce) {
    UIButton button(10, 20, &up, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0);
    RecordingListener listener;
    button.addListener(&listener);
    button.addListener(&listener); // a second add changes nothing
    button.mouseMove(20, 30);      // hovering does not arm
    EXPECT_FALSE(button.isArmed());
    button.mouseDown(20, 30);
    EXPECT_TRUE(button.isArmed());
    button.mouseMove(200, 30);
    EXPECT_FALSE(button.isArmed());
    button.mouseMove(110, 60);
    EXPECT_TRUE(button.isArmed());
    button.mouseUp(110, 60);
    EXPECT_FALSE(button.isArmed());
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"pressed 20 30", "dragged 200 30", "dragged 110 60",
                                        "released 110 60", "activated"}));
}

// A checked 16 x 16 box at (100, 50) captioned "abcd" (40 wide) 4 pixels away, in each layout.
TEST_F(UIButtonTest, CheckBoxLayoutPlacesCaptionAndHitRange) {
    const struct {
        int layout, width, captionX, firstX, endX; // hit range [firstX, endX)
    } cases[] = {{0, 60, 96, 56, 116}, {1, 40, 108, 88, 128}, {2, 60, 120, 100, 160}};
    for (const auto& c : cases) {
        UICheckBox checkBox(100, 50, &box, &box, &icon, &font, "abcd", true, c.layout, 4, -1, -1);
        EXPECT_EQ(std::pair(checkBox.getWidth(), checkBox.getHeight()), std::pair(c.width, 20));
        EXPECT_TRUE(checkBox.contains(c.firstX, 50) && checkBox.contains(c.endX - 1, 69));
        EXPECT_FALSE(checkBox.contains(c.firstX - 1, 60) || checkBox.contains(c.endX, 60) ||
                     checkBox.contains(c.firstX, 70));
        checkBox.draw();
        EXPECT_EQ(lastAt(font.texts), Point(c.captionX, 58));
        EXPECT_EQ(lastAt(icon.draws), Point(108, 60));
    }
}

TEST_F(UIButtonTest, CheckBoxClickFlipsOnceAndReleaseOutsideDoesNot) {
    UICheckBox checkBox(100, 50, &box, &box, &icon, &font, "abcd", true, 0, 4, -1, -1);
    for (const auto& [releaseX, checked] : {std::pair{110, false}, {110, true}, {300, true}}) {
        checkBox.mouseDown(60, 55);
        checkBox.mouseUp(releaseX, 55);
        EXPECT_EQ(checkBox.isChecked(), checked);
    }
}

} // namespace
