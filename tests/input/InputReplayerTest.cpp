#include "input/InputReplayer.h"

#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
InputRecording recording(uint32_t version, std::vector<bool> events) {
    InputRecording made;
    made.version = version;
    Uint32 ticks = 7;
    for (const bool isEvent : events) {
        InputRecording::Entry entry;
        entry.isEvent = isEvent;
        entry.ticks = isEvent ? 0 : ticks;
        ticks += 10;
        made.entries.push_back(entry);
    }
    return made;
}
} // namespace

TEST(InputReplayer, PeeksAtTheNextReadingAndKnowsTheRecordingsSpan) {
    InputReplayer replay(recording(InputRecording::VERSION, {false, true, false}));
    EXPECT_EQ(replay.firstTicks(), 7u);
    EXPECT_EQ(replay.finalTicks(), 27u);
    EXPECT_EQ(replay.peekTicks(), 7u);
    replay.beginPass(); // takes no reading: the run's clock takes the one a pass holds
    EXPECT_EQ(replay.ticks(), 7u);
    SDL_Event event;
    EXPECT_TRUE(replay.poll(event));
    EXPECT_FALSE(replay.poll(event)) << "a reading comes next";
    EXPECT_EQ(replay.peekTicks(), 27u);
    EXPECT_EQ(replay.ticks(), 27u);
    EXPECT_EQ(replay.peekTicks(), 27u) << "past the end, the last reading";
    EXPECT_FALSE(replay.finished());
    EXPECT_EQ(replay.ticks(), 27u);
    EXPECT_TRUE(replay.finished());
    EXPECT_FALSE(replay.stoppedEarly());
    EXPECT_FALSE(replay.outOfStep());
    EXPECT_EQ(InputReplayer(InputRecording()).finalTicks(), 0u);
}

TEST(InputReplayer, AFirstVersionPassTakesItsEdgeReadingsAndARunOutOfStepStops) {
    InputReplayer old(recording(InputRecording::FIRST_VERSION, {false, false, false, false}));
    old.beginPass();
    EXPECT_EQ(old.ticks(), 17u);
    old.endPass();
    EXPECT_EQ(old.peekTicks(), 37u);

    // A run that reads the clock where the recording holds an event left the recorded one.
    InputReplayer lost(recording(InputRecording::FIRST_VERSION, {false, true, false}));
    EXPECT_EQ(lost.ticks(), 7u);
    lost.ticks();
    EXPECT_TRUE(lost.outOfStep());
    EXPECT_TRUE(lost.finished());
    EXPECT_EQ(lost.lastReading(), 7u);
}

TEST(InputReplayer, AReplayedEventHoldsEscapeAsTheRecordedOneDid) {
    InputRecording held = recording(InputRecording::VERSION, {true, true});
    held.entries[0].escapeHeld = true;
    InputReplayer replay(held);
    SDL_Event event;
    ASSERT_TRUE(replay.poll(event));
    EXPECT_TRUE(isEscapeHeld(replay.keyState()));
    ASSERT_TRUE(replay.poll(event));
    EXPECT_FALSE(isEscapeHeld(replay.keyState()));
}
