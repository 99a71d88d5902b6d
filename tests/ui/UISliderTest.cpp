#include "ui/UISlider.h"

#include "tests/support/RecordingImage.h"
#include "tests/support/RecordingListener.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// A 120-pixel track with a 10-pixel thumb at (50, 25): positions 5..115, starting at 60.
class UISliderTest : public ::testing::Test {
protected:
    void SetUp() override {
        slider.addListener(&listener);
        listener.setName(&slider, "s");
    }

    RecordingImage track{120, 16};
    RecordingImage thumb{10, 16};
    UISlider slider{50, 25, &track, &thumb, 0, 0.5, -1, -1};
    RecordingListener listener;
};

struct ValueCase {
    double value;
    int position;
    double readBack;
};

TEST_F(UISliderTest, ValueMapsToOnePixelPerEqualPartAndBack) {
    const ValueCase cases[] = {{0.3, 38, 0.3},    {0.5, 60, 0.5},  {1.0, 115, 1.0}, {0.0, 5, 0.0},
                               {0.999, 115, 1.0}, {1.7, 115, 1.0}, {-0.2, 5, 0.0},  {NAN, 5, 0.0}};
    for (const ValueCase& c : cases) {
        slider.setValue(c.value);
        EXPECT_EQ(slider.getPosition(), c.position) << c.value;
        EXPECT_EQ(slider.getValue(), c.readBack) << c.value;
    }
    slider.setPosition(-100);
    EXPECT_EQ(slider.getPosition(), 5);
    EXPECT_TRUE(listener.events.empty());
}

// The control panel's track (130) and thumb (10): positions 5..125. Its 0.3 and 0.7 are floats
// widened to double; they read back as the doubles nearest 0.3 and 0.7, equal to the floats
// once narrowed again.
TEST(UISliderPanel, InitialValuesReadBackAsSet) {
    RecordingImage track(130, 16), thumb(10, 16);
    const ValueCase cases[] = {{0.3f, 41, 0.3}, {0.7f, 89, 0.7}, {0.5, 65, 0.5}, {0.25, 35, 0.25}};
    for (const ValueCase& c : cases) {
        UISlider slider(20, 25, &track, &thumb, 0, c.value, -1, -1);
        EXPECT_EQ(slider.getPosition(), c.position) << c.value;
        EXPECT_EQ(slider.getValue(), c.readBack) << c.value;
        EXPECT_EQ(static_cast<float>(slider.getValue()), static_cast<float>(c.value));
    }
}

TEST(UISliderRange, ValueStaysInUnitRangeAndRoundTripsEveryPosition) {
    const int sizes[][2] = {{120, 10}, {130, 10}, {64, 9}, {17, 16}, {300, 1}};
    for (const auto& [trackLength, thumbLength] : sizes) {
        RecordingImage track(trackLength, 16), thumb(thumbLength, 16);
        UISlider slider(0, 0, &track, &thumb, 0, 0.0, -1, -1);
        const int first = thumbLength / 2, last = trackLength - thumbLength / 2;
        for (int position = first; position <= last; ++position) {
            slider.setPosition(position);
            const double value = slider.getValue();
            EXPECT_TRUE(value >= 0.0 && value <= 1.0) << trackLength << " at " << position;
            slider.setValue(value);
            EXPECT_EQ(slider.getPosition(), position) << trackLength;
        }
        EXPECT_EQ(slider.getValue(), 1.0);
    }
}

TEST(UISliderRange, EqualLimitsGiveValueZero) {
    RecordingImage track(120, 16);
    EXPECT_EQ(UISlider(0, 0, &track, nullptr, 0, 0.7, -1, -1).getValue(), 0.0);
    EXPECT_EQ(UISlider(0, 0, &track, nullptr, 0, 0.7, 7, 7).getValue(), 0.0);
}

TEST_F(UISliderTest, PressOnTrackMovesThumbAndReleaseThereClicksWithoutSecondChange) {
    slider.mouseDown(80, 30);
    EXPECT_EQ(slider.getPosition(), 30);
    slider.mouseUp(80, 30);
    EXPECT_EQ(listener.takeEvents(),
              (Lines{"pressed s 80 30", "activated s", "released s 80 30", "activated s"}));
}

TEST_F(UISliderTest, PressThatDoesNotMoveTheThumbSendsNoChange) {
    slider.setValue(0.0);
    slider.mouseDown(52, 30);
    EXPECT_EQ(slider.getPosition(), 5);
    EXPECT_EQ(listener.takeEvents(), Lines{"pressed s 52 30"});
}

TEST_F(UISliderTest, PressOutsideLeavesTheThumb) {
    slider.mouseDown(80, 100);
    EXPECT_EQ(slider.getPosition(), 60);
    EXPECT_TRUE(listener.events.empty());
}

TEST_F(UISliderTest, DragPastLeftEdgePinsAtMinimum) {
    slider.mouseDown(110, 30);
    slider.mouseMove(-100, 30);
    EXPECT_EQ(slider.getPosition(), 5);
    EXPECT_TRUE(slider.isArmed());
    listener.takeEvents();
    slider.mouseMove(-200, 90);
    EXPECT_EQ(listener.takeEvents(), Lines{"dragged s -200 90"});
}

TEST_F(UISliderTest, ThumbFollowsOutsideAndReleaseOutsideOnlyReleases) {
    slider.mouseDown(110, 30);
    listener.takeEvents();
    slider.mouseMove(130, -50);
    EXPECT_EQ(slider.getPosition(), 80);
    slider.mouseUp(140, -50);
    EXPECT_EQ(slider.getPosition(), 80);
    EXPECT_FALSE(slider.isArmed());
    EXPECT_EQ(listener.takeEvents(),
              (Lines{"activated s", "dragged s 130 -50", "released s 140 -50"}));
}

TEST_F(UISliderTest, DrawPlacesTrackAtCornerAndThumbCentredOverPosition) {
    slider.setValue(0.3);
    slider.setForegroundColor(0.5f, 0.5f, 0.5f, 1.0f);
    for (bool armed : {false, true}) {
        if (armed)
            slider.mouseDown(88, 30);
        slider.draw();
        EXPECT_LT(track.draws[0].order, thumb.draws[0].order);
        EXPECT_EQ(track.takeDraws(), Lines{"blend 0 flags 9 at 50,25 rgba 1,1,1,1"});
        EXPECT_EQ(thumb.takeDraws(), Lines{"blend 0 flags 1 at 83,25 rgba 0.5,0.5,0.5,1"});
    }
}

TEST(UISliderVertical, ThumbFollowsThePointersY) {
    RecordingImage track(16, 120), thumb(16, 10);
    UISlider slider(50, 25, &track, &thumb, 1, 0.0, -1, -1);
    EXPECT_EQ(slider.getPosition(), 5);
    slider.mouseDown(55, 65);
    EXPECT_EQ(slider.getPosition(), 40);
    slider.mouseMove(500, 1000);
    slider.draw();
    EXPECT_EQ(thumb.takeDraws(), Lines{"blend 0 flags 1 at 50,135 rgba 1,1,1,1"});
}

} // namespace
