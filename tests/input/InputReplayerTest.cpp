#include "input/InputReplayer.h"

#include <gtest/gtest.h>

#include <vector>

TEST(InputReplayer, PeeksAtTheNextReadingAndKnowsTheRecordingsSpan) {
    std::vector<InputRecording::Entry> entries(4);
    entries[0].ticks = 7;
    entries[1].isEvent = true; // an event the run never polls is skipped
    entries[2].ticks = 30;
    entries[3].isEvent = true;
    InputReplayer replay(entries);
    EXPECT_EQ(replay.firstTicks(), 7u);
    EXPECT_EQ(replay.finalTicks(), 30u);
    EXPECT_EQ(replay.peekTicks(), 7u);
    EXPECT_EQ(replay.ticks(), 7u);
    EXPECT_EQ(replay.peekTicks(), 30u);
    EXPECT_EQ(replay.ticks(), 30u);
    EXPECT_EQ(replay.peekTicks(), 30u) << "past the end, the last reading";
    EXPECT_FALSE(replay.finished());
    EXPECT_EQ(replay.ticks(), 30u);
    EXPECT_TRUE(replay.finished());
    EXPECT_FALSE(replay.stoppedEarly());
    EXPECT_EQ(InputReplayer({}).finalTicks(), 0u);
}
