// Writes the exact samples the synthesiser produces to a WAV file. The audio thread only
// pushes into a lock-free ring; the main loop drains it to disk and keeps the header current.
#pragma once

#include "sound/SampleRing.h"
#include "sound/WavWriter.h"

#include <SDL.h>

#include <string>

class AudioCapture {
public:
    AudioCapture();
    ~AudioCapture();
    AudioCapture(const AudioCapture&) = delete;
    AudioCapture& operator=(const AudioCapture&) = delete;

    /// Creates the WAV file and starts taking samples; false with a reason naming the file.
    bool start(const std::string& path, std::string& reason);
    /// Main thread: writes what the audio thread produced; updates the header at least once a
    /// second of `now` (milliseconds).
    void drain(Uint32 now);
    /// Stops taking samples, writes the rest and closes the file.
    bool finish(std::string& reason);

private:
    void writePending();
    void detach();

    SampleRing ring;
    WavWriter writer;
    Uint32 lastHeaderUpdate = 0;
    bool capturing = false;
};
