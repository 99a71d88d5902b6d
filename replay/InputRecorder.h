// Records a run: the application's tick readings (from SDL) and the events its loop
// dispatches (from SDL or another source, such as the autopilot) are written to a recording
// file as they happen.
#pragma once

#include "replay/InputRecording.h"
#include "io/FileHandle.h"

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class InputRecorder {
public:
    /// Takes the next event to record; false when none is waiting.
    using EventSource = std::function<bool(SDL_Event&)>;

    /// Records the events `source` gives.
    explicit InputRecorder(EventSource source);
    /// Creates the recording file; false with a reason naming it.
    bool open(const std::string& path, std::string& reason);
    /// SDL's tick count, recorded.
    Uint32 ticks();
    /// The next event the loop dispatches, recorded; false when none is waiting.
    bool poll(SDL_Event& event);
    /// Writes the end mark and closes the file; false with a reason if it could not.
    bool finish(std::string& reason);

private:
    void write(const std::vector<uint8_t>& bytes);

    EventSource source;
    FileHandle file;
    std::string path;
    bool failed = false;
};
