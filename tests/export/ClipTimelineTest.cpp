#include "export/ClipTimeline.h"

#include <gtest/gtest.h>

TEST(ClipTimeline, HasAFrameEverySixtiethOfASecondFromTheFirstReadingToTheLast) {
    const ClipTimeline clip(1000, 1000 + 9490);
    EXPECT_EQ(clip.frameCount(), 570);
    EXPECT_EQ(clip.soundFrameCount(), 570 * 735);
    EXPECT_EQ(clip.bufferCount(), 205); // 418950 sound frames in 2048-frame buffers
    EXPECT_EQ(ClipTimeline(5, 5).frameCount(), 1);
    EXPECT_EQ(ClipTimeline(5, 4).frameCount(), 1) << "readings that run backwards";
}

TEST(ClipTimeline, CountsTheInstantsBeforeAReading) {
    const ClipTimeline clip(1000, 11000);
    const struct {
        Uint32 ticks;
        int64_t frames;
        int64_t buffers;
    } cases[] = {
        {0, 0, 0},       // before the first reading
        {1000, 0, 0},    // frame 0 and buffer 0 lie at the first reading, not before it
        {1001, 1, 1},
        {1016, 1, 1},
        {1017, 2, 1},    // frame 1 at 16.67 ms
        {1046, 3, 1},
        {1047, 3, 2},    // buffer 1 at 46.44 ms
        {2000, 60, 22},  // frame 60 lies at 1 s, buffer 21 at 975 ms
        {2001, 61, 22},
        {11000, 600, 216},
        {99000, 601, 216}, // never more than the clip holds
    };
    for (const auto& c : cases) {
        EXPECT_EQ(clip.framesBefore(c.ticks), c.frames) << c.ticks;
        EXPECT_EQ(clip.buffersBefore(c.ticks), c.buffers) << c.ticks;
    }
}
