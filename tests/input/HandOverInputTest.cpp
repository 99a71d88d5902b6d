#include "input/HandOverInput.h"
#include "tests/support/ScriptedInput.h"

#include <gtest/gtest.h>

namespace {
InputRecording::Entry reading(Uint32 ticks) {
    InputRecording::Entry entry;
    entry.ticks = ticks;
    return entry;
}

InputRecording::Entry keyDown(SDLKey key) {
    InputRecording::Entry entry;
    entry.isEvent = true;
    entry.event.type = SDL_KEYDOWN;
    entry.event.key.keysym.sym = key;
    return entry;
}
} // namespace

// The recorded run ended with Escape: the replay stops there (the key-up after it is left
// unread), and the live input goes on with the clock continuing from the last recorded reading.
TEST(HandOverInput, ReplaysUpToTheRunsEndThenHandsTheClockAndEventsToTheLiveInput) {
    InputRecording recording;
    recording.entries = {reading(1000), keyDown(SDLK_g), reading(1017), keyDown(SDLK_ESCAPE),
                         keyDown(SDLK_g), reading(1034)};
    InputReplayer replay(recording);
    ScriptedInput live;
    live.now = 50;
    int handOvers = 0;
    HandOverInput input(replay, live, [&handOvers] { ++handOvers; });
    SDL_Event event;

    EXPECT_EQ(input.ticks(), 1000u);
    input.beginPass();
    ASSERT_TRUE(input.poll(event));
    EXPECT_EQ(event.key.keysym.sym, SDLK_g);
    EXPECT_FALSE(input.poll(event));
    EXPECT_EQ(input.ticks(), 1017u);
    input.endPass();

    input.beginPass();
    EXPECT_FALSE(input.poll(event)) << "Escape ended the recorded run: the replay ends there";
    EXPECT_EQ(input.ticks(), 1017u);
    input.endPass();
    EXPECT_FALSE(input.finished());
    EXPECT_EQ(handOvers, 0);

    input.beginPass();
    EXPECT_TRUE(input.live());
    EXPECT_EQ(handOvers, 1);
    EXPECT_EQ(input.ticks(), 1017u) << "the clock goes on from the last recorded reading";
    live.now += 20;
    EXPECT_EQ(input.ticks(), 1037u);
    SDL_Event typed{};
    typed.type = SDL_MOUSEMOTION;
    live.events.push_back(typed);
    ASSERT_TRUE(input.poll(event));
    EXPECT_EQ(event.type, SDL_MOUSEMOTION);
    input.endPass();
    input.beginPass();
    EXPECT_EQ(handOvers, 1);
    EXPECT_FALSE(input.finished());
}
