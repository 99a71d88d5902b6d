// Writes the exact samples the synthesiser produces to a WAV file. The audio thread only
// pushes into a lock-free ring; the main loop drains it to disk and keeps the header current.
#pragma once

#include "sound/SampleRing.h"
#include "sound/WavWriter.h"

#include <SDL.h>

#include <string>

class AudioCapture {
public:
    /// A ring of `ringSamples` (by default about three seconds of sound).
    explicit AudioCapture(size_t ringSamples = 1 << 18);
    ~AudioCapture();
    AudioCapture(const AudioCapture&) = delete;
    AudioCapture& operator=(const AudioCapture&) = delete;

    /// Creates the WAV file and starts taking samples; false with a reason naming the file.
    bool start(const std::string& path, std::string& reason);
    /// Audio thread: takes a copy of `count` interleaved samples; never blocks.
    void push(const Sint16* samples, size_t count) { ring.push(samples, count); }
    /// Main thread: writes what the audio thread produced; updates the header at least once a
    /// second of `now` (milliseconds).
    void drain(Uint32 now);
    /// Stops taking samples, writes the rest (with silence for what the ring lost) and closes
    /// the file; says on stderr how much sound was lost while the main loop stalled.
    bool finish(std::string& reason);

private:
    void writePending();
    void writeOwedSilence();
    void detach();

    SampleRing ring;
    WavWriter writer;
    Uint32 lastHeaderUpdate = 0;
    bool capturing = false;
};
