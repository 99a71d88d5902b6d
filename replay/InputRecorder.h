// Records a run: the application's tick readings and the events its loop dispatches are
// taken from SDL as usual and written to a recording file as they happen.
#pragma once

#include "replay/InputRecording.h"
#include "io/FileHandle.h"

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class InputRecorder {
public:
    /// Creates the recording file; false with a reason naming it.
    bool open(const std::string& path, std::string& reason);
    /// SDL's tick count, recorded.
    Uint32 ticks();
    /// The next SDL event the loop dispatches, recorded; false when none is waiting.
    bool poll(SDL_Event& event);
    /// Writes the end mark and closes the file; false with a reason if it could not.
    bool finish(std::string& reason);

private:
    void write(const std::vector<uint8_t>& bytes);

    FileHandle file;
    std::string path;
    bool failed = false;
};
