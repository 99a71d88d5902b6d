// Writes 44.1 kHz 16-bit stereo PCM to a WAV file whose header can be brought up to date at
// any time, so that a program killed mid-run leaves a playable file.
#pragma once

#include "io/FileHandle.h"

#include <SDL.h>

#include <cstdio>
#include <memory>
#include <string>

class WavWriter {
public:
    /// Creates the file with an empty header; false with a reason naming it.
    bool open(const std::string& path, std::string& reason);
    /// Appends interleaved samples (left, right).
    bool append(const Sint16* samples, size_t count);
    /// Writes the current sizes into the header and flushes the file.
    bool updateHeader();
    /// Updates the header and closes the file; false with a reason if anything failed.
    bool close(std::string& reason);
    /// The file's path.
    const std::string& getPath() const { return path; }

private:
    bool writeHeader();

    FileHandle file;
    std::string path;
    size_t written = 0;
    bool failed = false;
};
