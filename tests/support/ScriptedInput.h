// An input source under a test's control: the time it sets, the waits counted, the events it
// queues, a key state of its own, and the steps counted.
#pragma once

#include "input/InputSource.h"

#include <cstdint>
#include <deque>

class ScriptedInput : public InputSource {
public:
    Uint32 ticks() override { return now; }
    void beginPass() override { passStart = now; }
    void endPass() override {
        if (now == passStart)
            ++slept;
    }
    bool poll(SDL_Event& event) override {
        if (events.empty())
            return false;
        event = events.front();
        events.pop_front();
        return true;
    }
    const Uint8* keyState() override { return keys; }
    void stepped() override { ++steps; }
    bool finished() const override { return done; }

    Uint32 now = 0;
    Uint32 passStart = 0;
    /// Milliseconds the passes waited: one after each pass in which no time passed.
    Uint32 slept = 0;
    std::deque<SDL_Event> events;
    Uint8 keys[SDLK_LAST] = {};
    uint64_t steps = 0;
    bool done = false;
};
