// Where a run takes its time and its input from: the live window, the autopilot, a recorder
// around either, or a recording being replayed. The application's loop runs the one it is
// handed and knows no other.
#pragma once

#include <SDL.h>

class InputSource {
public:
    virtual ~InputSource() = default;

    /// The millisecond tick count the run's clock reads now.
    virtual Uint32 ticks() = 0;
    /// Told as a pass of the main loop starts, before its events.
    virtual void beginPass() {}
    /// Told as a pass ends: the live window then waits a millisecond if none passed in the
    /// pass (a replay does not wait).
    virtual void endPass() {}
    /// Takes the next event to dispatch; false when none is waiting.
    virtual bool poll(SDL_Event& event) = 0;
    /// The key-state array read on key events.
    virtual const Uint8* keyState() = 0;
    /// Told after each fixed step the run takes.
    virtual void stepped() {}
    /// True once the source has no more to give and the run is to end.
    virtual bool finished() const { return false; }
};
