// Records a run: the tick readings and the events the loop dispatches, both taken from another
// source (the window or the autopilot), are written to a recording file as they happen.
#pragma once

#include "input/InputRecording.h"
#include "input/InputSource.h"
#include "io/FileHandle.h"

#include <cstdint>
#include <string>
#include <vector>

class InputRecorder : public InputSource {
public:
    /// Records what `source` gives.
    explicit InputRecorder(InputSource& source);
    /// Creates the recording file; false with a reason naming it.
    bool open(const std::string& path, std::string& reason);
    /// The source's tick count, recorded.
    Uint32 ticks() override;
    /// Waits as the source does.
    void wait(Uint32 milliseconds) override { source.wait(milliseconds); }
    /// The next event the loop dispatches, recorded; false when none is waiting.
    bool poll(SDL_Event& event) override;
    /// The source's key state.
    const Uint8* keyState() override { return source.keyState(); }
    /// Passes the step on to the source.
    void stepped() override { source.stepped(); }
    /// Writes the end mark and closes the file; false with a reason if it could not.
    bool finish(std::string& reason);

private:
    void write(const std::vector<uint8_t>& bytes);

    InputSource& source;
    FileHandle file;
    std::string path;
    bool failed = false;
};
