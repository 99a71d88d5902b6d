#include "ui/UILabel.h"

#include "tests/support/RecordingFont.h"
#include "tests/support/RecordingImage.h"
#include "tests/support/RecordingListener.h"
#include "ui/UI.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

TEST(UILabel, ContainsNoPointAndTakesNoPress) {
    RecordingImage icon(32, 32);
    RecordingFont font(9, 20);
    RecordingListener listener;
    auto* label = new UILabel(100, 100, &icon, &font, "Age", 0, 0, 0);
    label->addListener(&listener);
    UI ui;
    ui.showComponent(label);
    EXPECT_EQ(label->getWidth() + label->getHeight(), 0);
    EXPECT_FALSE(ui.mouseDown(100, 100));
    EXPECT_FALSE(ui.mouseUp(100, 100));
    EXPECT_TRUE(listener.events.empty());
    ui.deleteAll();
}

TEST(UILabel, DrawsIconAtItsPointAndCaptionInForegroundColour) {
    RecordingImage icon(32, 32);
    RecordingFont font(9, 20);
    struct Case {
        unsigned align;
        int textX, textY;
        const char* caption;
    };
    // -1 anchors come from the icon's size, 32 x 32.
    for (const Case& c : {Case{1, 0, 0, "'T' at 512,100 align 1 rgba 0.7,0.7,0.7,1 scale 1"},
                          Case{0, 3, -2, "'T' at 515,98 align 0 rgba 0.7,0.7,0.7,1 scale 1"},
                          Case{5, -1, -1, "'T' at 528,116 align 5 rgba 0.7,0.7,0.7,1 scale 1"}}) {
        UILabel label(512, 100, &icon, &font, "T", c.align, c.textX, c.textY);
        label.setForegroundColor(0.7f, 0.7f, 0.7f, 1.0f);
        label.draw();
        EXPECT_EQ(icon.takeDraws(), Lines{"blend 0 flags 11 at 512,100 rgba 0.7,0.7,0.7,1"});
        EXPECT_EQ(font.takeTexts(), Lines{c.caption});
    }
    UILabel(10, 10, nullptr, &font, "abcd", 0, -1, -1).draw();
    EXPECT_EQ(font.takeTexts(), Lines{"'abcd' at 30,20 align 0 rgba 1,1,1,1 scale 1"});
}

} // namespace
