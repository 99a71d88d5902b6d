#include "ui/UISlider.h"

#include "tests/support/Recorders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

// A 120-pixel track with a 10-pixel thumb at (50, 25): positions 5..115, starting at 60.
class UISliderTest : public testing::Test {
protected:
    void SetUp() override { slider.addListener(&listener); }

    RecordingImage track{120, 16}, thumb{10, 16};
    UISlider slider{50, 25, &track, &thumb, 0, 0.5, -1, -1};
    RecordingListener listener;
};

TEST_F(UISliderTest, ValueMapsToOnePixelPerEqualPartClampedToTheTrack) {
    const std::pair<double, int> cases[] = {{0.5, 60},  {1.0, 115}, {0.0, 5}, {0.999, 115},
                                            {1.7, 115}, {-0.2, 5},  {NAN, 5}, {0.3, 38}};
    for (const auto& [value, position] : cases) {
        slider.setValue(value);
        EXPECT_EQ(slider.getPosition(), position) << value;
    }
    EXPECT_EQ(slider.getValue(), 0.3);
    slider.draw();
    EXPECT_EQ(thumb.draws.back().x, 83); // centred over position 38
    EXPECT_TRUE(listener.events.empty());
}

TEST(UISliderRange, ValueStaysInUnitRangeAndRoundTripsEveryPosition) {
    for (const auto& [trackLength, thumbLength] :
         {std::pair{120, 10}, {130, 10}, {64, 9}, {17, 16}}) {
        RecordingImage track(trackLength, 16), thumb(thumbLength, 16);
        UISlider slider(0, 0, &track, &thumb, 0, 0.0, -1, -1);
        for (int position = thumbLength / 2; position <= trackLength - thumbLength / 2;
             ++position) {
            slider.setPosition(position);
            const double value = slider.getValue();
            EXPECT_TRUE(value >= 0.0 && value <= 1.0) << trackLength << " at " << position;
            slider.setValue(value);
            EXPECT_EQ(slider.getPosition(), position) << trackLength;
        }
        EXPECT_EQ(slider.getValue(), 1.0);
    }
    RecordingImage track(120, 16);
    EXPECT_EQ(UISlider(0, 0, &track, nullptr, 0, 0.7, 7, 7).getValue(), 0.0); // equal limits
}

TEST_F(UISliderTest, ThumbFollowsPressAndDragAndTellsOnlyOfChanges) {
    slider.setValue(0.0);
    slider.mouseDown(52, 30); // left of the first position: the thumb stays
    slider.mouseUp(52, 30);
    slider.mouseDown(80, 30); // on the track
    EXPECT_EQ(slider.getPosition(), 30);
    slider.mouseMove(-100, 30); // past the left edge
    EXPECT_EQ(slider.getPosition(), 5);
    slider.mouseMove(130, -50);
    slider.mouseUp(140, -50); // outside: no click
    EXPECT_EQ(slider.getPosition(), 80);
    EXPECT_EQ(listener.events, (std::vector<std::string>{
                                   "pressed 52 30", "released 52 30", "activated", "pressed 80 30",
                                   "activated", "activated", "dragged -100 30", "activated",
                                   "dragged 130 -50", "released 140 -50"}));
}

TEST(UISliderVertical, ThumbFollowsThePointersY) {
    RecordingImage track(16, 120), thumb(16, 10);
    UISlider slider(50, 25, &track, &thumb, 1, 0.0, -1, -1);
    slider.mouseDown(55, 65);
    EXPECT_EQ(slider.getPosition(), 40);
    slider.mouseMove(500, 1000);
    slider.draw();
    EXPECT_EQ(lastAt(thumb.draws), Point(50, 135));
}

} // namespace
