#include "ui/UIButton.h"

#include "tests/support/RecordingFont.h"
#include "tests/support/RecordingImage.h"
#include "tests/support/RecordingListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// Glyphs 9 pixels wide plus the default spacing of 1: "abcd" measures 40, lines are 20 high.
class UIButtonTest : public ::testing::Test {
protected:
    RecordingImage up{100, 40};
    RecordingImage down{90, 30};
    RecordingImage icon{20, 10};
    RecordingFont font{9, 20};
    RecordingListener listener;
};

TEST_F(UIButtonTest, SizeComesFromFirstImageElseFromCaptionAndFont) {
    struct Case {
        UIImage *up, *down, *icon;
        UIFont* font;
        const char* text;
        int width, height;
    };
    const Case cases[] = {
        {&up, &down, &icon, &font, "abcd", 100, 40},
        {nullptr, &down, &icon, nullptr, nullptr, 90, 30},
        {nullptr, nullptr, &icon, nullptr, nullptr, 20, 10},
        {nullptr, nullptr, nullptr, &font, "abcd", 40, 20},
        {nullptr, nullptr, nullptr, &font, "", 0, 20},
        {nullptr, nullptr, nullptr, nullptr, "abcd", 0, 0},
        {nullptr, nullptr, nullptr, &font, nullptr, 0, 0},
    };
    for (const Case& c : cases) {
        UIButton button(5, 7, c.up, c.down, c.icon, c.font, c.text, 5, -1, -1, 0, 0);
        EXPECT_EQ(button.getWidth(), c.width) << &c - cases;
        EXPECT_EQ(button.getHeight(), c.height) << &c - cases;
        EXPECT_EQ(button.contains(5, 7), c.width > 0 && c.height > 0) << &c - cases;
    }
}

TEST_F(UIButtonTest, DefaultTextAnchorIsTheTruncatedHalf) {
    for (int width : {100, 101}) {
        RecordingImage image(width, 41);
        UIButton(10, 20, &image, nullptr, nullptr, &font, "ok", 5, -1, -1, 0, 0).draw();
        EXPECT_EQ(font.takeTexts(), Lines{"'ok' at 60,40 align 5 rgba 1,1,1,1 scale 1"});
    }
}

TEST_F(UIButtonTest, DrawShowsDownImageAndTextOffsetOnlyWhileArmed) {
    UIButton button(10, 20, &up, &down, &icon, &font, "ok", 5, -1, -1, 2, 3);
    button.setBackgroundColor(0.1f, 0.2f, 0.3f, 0.4f);
    button.setForegroundColor(0.5f, 0.6f, 0.7f, 0.8f);
    const Lines background{"blend 0 flags 9 at 10,20 rgba 0.1,0.2,0.3,0.4"};
    const Lines centredIcon{"blend 0 flags 11 at 60,40 rgba 0.5,0.6,0.7,0.8"};

    button.draw();
    EXPECT_LT(up.draws[0].order, icon.draws[0].order);
    EXPECT_LT(icon.draws[0].order, font.texts[0].order);
    EXPECT_EQ(up.takeDraws(), background);
    EXPECT_EQ(icon.takeDraws(), centredIcon);
    EXPECT_EQ(font.takeTexts(), Lines{"'ok' at 60,40 align 5 rgba 0.5,0.6,0.7,0.8 scale 1"});

    button.mouseDown(15, 25);
    button.draw();
    EXPECT_TRUE(up.draws.empty());
    EXPECT_EQ(down.takeDraws(), background);
    EXPECT_EQ(icon.takeDraws(), centredIcon);
    EXPECT_EQ(font.takeTexts(), Lines{"'ok' at 62,43 align 5 rgba 0.5,0.6,0.7,0.8 scale 1"});
}

TEST_F(UIButtonTest, DragOutAndBackInThenReleaseInsideClicks) {
    UIButton button(10, 20, &up, &down, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0);
    button.addListener(&listener);
    listener.setName(&button, "ok");
    button.mouseDown(20, 30);
    EXPECT_TRUE(button.isArmed());
    button.mouseMove(200, 30);
    EXPECT_FALSE(button.isArmed());
    button.mouseMove(109, 59);
    EXPECT_TRUE(button.isArmed());
    button.mouseUp(109, 59);
    EXPECT_FALSE(button.isArmed());
    button.mouseMove(20, 30); // no hover state
    EXPECT_FALSE(button.isArmed());
    EXPECT_EQ(listener.takeEvents(),
              (Lines{"pressed ok 20 30", "dragged ok 200 30", "dragged ok 109 59",
                     "released ok 109 59", "activated ok"}));
}

TEST_F(UIButtonTest, ListenerIsCalledOncePerEventAndRemovedOnce) {
    UIButton button(0, 0, &up, nullptr, nullptr, nullptr, nullptr, 0, 0, 0, 0, 0);
    RecordingListener other;
    button.addListener(&listener);
    button.addListener(&listener);
    button.addListener(&other);
    button.addListener(nullptr);
    button.mouseDown(1, 1);
    EXPECT_EQ(listener.takeEvents().size(), 1u);
    button.removeListener(&listener);
    button.mouseUp(1, 1);
    EXPECT_TRUE(listener.events.empty());
    EXPECT_EQ(other.takeEvents().size(), 3u);
}

TEST_F(UIButtonTest, CaptionIsCopiedAndNullMeansNone) {
    char caption[] = "ok";
    UIButton button(0, 0, &up, nullptr, nullptr, &font, caption, 0, 0, 0, 0, 0);
    caption[0] = 'X';
    button.draw();
    button.setText(nullptr);
    button.draw();
    button.setText("");
    button.draw();
    EXPECT_EQ(font.takeTexts(), (Lines{"'ok' at 0,0 align 0 rgba 1,1,1,1 scale 1",
                                       "'' at 0,0 align 0 rgba 1,1,1,1 scale 1"}));
}

} // namespace
