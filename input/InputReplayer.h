// Replays a recording: the application reads the recorded tick counts and the loop gets the
// recorded events instead of the real ones, so the run steps, saves and draws the same. A
// run that asks for a tick reading where the recording has an event has left the recorded
// one (an old recording replayed without its --seed): the replay then stops, out of step.
#pragma once

#include "input/InputRecording.h"
#include "input/InputSource.h"

#include <SDL.h>

#include <vector>

class InputReplayer : public InputSource {
public:
    explicit InputReplayer(const InputRecording& recording);

    /// The next recorded tick count; past the end, the last one (and finished() is true).
    Uint32 ticks() override;
    /// A first-version recording holds the readings its run took as each pass began and
    /// ended: these take them.
    void beginPass() override;
    void endPass() override;
    /// Whether the passes take readings of their own (see beginPass).
    bool readsAtPassEdges() const { return passEdgeReadings; }
    /// True once every entry has been taken.
    bool usedUp() const { return next == entries.size(); }
    /// The tick count the last ticks() call returned.
    Uint32 lastReading() const { return lastTicks; }
    /// The tick count the next reading gives, without taking it.
    Uint32 peekTicks() const;
    /// The recording's first and last tick readings; 0 for a recording without any.
    Uint32 firstTicks() const { return recording.firstTicks(); }
    Uint32 finalTicks() const { return recording.finalTicks(); }
    /// The next tick reading the recording holds, past any events before it; the last one
    /// taken at the end.
    Uint32 upcomingReading() const;
    /// The next recorded event, if the recording has one before its next tick reading.
    /// Real events are discarded, but closing the window (or Ctrl-C, which SDL turns into a
    /// quit event) still ends the replay.
    bool poll(SDL_Event& event) override;
    /// The key state as it was recorded (only Escape is tracked).
    const Uint8* keyState() override { return keys; }
    /// True once the recording has been used up, the window was closed or the run left the
    /// recorded one.
    bool finished() const override { return done; }
    /// True when the window was closed or the program interrupted before the recording's end.
    bool stoppedEarly() const { return quit; }
    /// True when the run asked for a reading where the recording holds an event; the tick
    /// count of the last reading taken tells where.
    bool outOfStep() const { return lostStep; }

private:
    InputRecording recording;
    const std::vector<InputRecording::Entry>& entries = recording.entries;
    bool passEdgeReadings;
    size_t next = 0;
    Uint32 lastTicks = 0;
    bool done = false;
    bool quit = false;
    bool lostStep = false;
    Uint8 keys[SDLK_LAST] = {};
};
