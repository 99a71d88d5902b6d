// Records a run: the clock's tick readings and the events the loop dispatches, both taken from
// another source (the window or the autopilot), and the run's accesses to "state.dat", kept in
// memory as a recording that can start over (from the last clear of the field, say).
#pragma once

#include "input/InputRecording.h"
#include "input/InputSource.h"

class InputRecorder : public InputSource {
public:
    /// Records what `source` gives.
    explicit InputRecorder(InputSource& source);

    /// The source's tick count, recorded.
    Uint32 ticks() override;
    /// Passes the pass on to the source.
    void beginPass() override { source.beginPass(); }
    void endPass() override { source.endPass(); }
    /// The next event the loop dispatches, recorded; false when none is waiting.
    bool poll(SDL_Event& event) override;
    /// The source's key state.
    const Uint8* keyState() override { return source.keyState(); }
    /// Passes the step on to the source.
    void stepped() override { source.stepped(); }

    /// Records a read or write of "state.dat".
    void noteStateAccess(InputRecording::StateAccess access);
    /// Starts the recording over from `start`, as a run just started whose first reading is
    /// the last one taken.
    void restart(const InputRecording::Start& start);
    /// What has been recorded so far.
    InputRecording& recording() { return recorded; }

private:
    InputSource& source;
    InputRecording recorded;
    Uint32 lastTicks = 0;
};
