// Replays a recording: the application reads the recorded tick counts and the loop gets the
// recorded events instead of the real ones, so the run steps, saves and draws the same.
#pragma once

#include "app/InputRecording.h"

#include <SDL.h>

#include <vector>

class InputReplayer {
public:
    explicit InputReplayer(std::vector<InputRecording::Entry> entries);

    /// The next recorded tick count; past the end, the last one (and finished() is true).
    Uint32 ticks();
    /// The next recorded event, if the recording has one before its next tick reading.
    /// Real events are discarded, but closing the window still ends the replay.
    bool poll(SDL_Event& event);
    /// The key state as it was recorded (only Escape is tracked).
    const Uint8* keyState() const { return keys; }
    /// True once the recording has been used up or the window was closed.
    bool finished() const { return done; }

private:
    std::vector<InputRecording::Entry> entries;
    size_t next = 0;
    Uint32 lastTicks = 0;
    bool done = false;
    Uint8 keys[SDLK_LAST] = {};
};
