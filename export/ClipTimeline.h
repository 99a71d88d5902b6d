// Where an offline export takes its pictures and its sound on a recording's clock, which
// starts at the recording's first tick reading: video frame k at k/60 s, and sound buffer j
// (2048 frames, as the audio device asks for them) at j * 2048/44100 s. Instants are compared
// in whole numbers, so none drifts.
#pragma once

#include "sound/AudioFormat.h"

#include <SDL.h>

#include <cstdint>

class ClipTimeline {
public:
    static constexpr int64_t FRAME_RATE = 60;
    static constexpr int64_t SAMPLE_RATE = AudioFormat::SAMPLE_RATE;
    static constexpr int64_t BUFFER_FRAMES = AudioFormat::BUFFER_FRAMES;

    /// The clock of a recording whose tick readings run from `first` to `last`.
    ClipTimeline(Uint32 first, Uint32 last);

    /// Video frames: one at every 1/60 s from the first tick reading to the last.
    int64_t frameCount() const { return frames; }
    /// Sound frames (stereo) lasting exactly as long as the video.
    int64_t soundFrameCount() const { return frames * SAMPLE_RATE / FRAME_RATE; }
    /// Sound buffers needed to cover the video's sound.
    int64_t bufferCount() const;
    /// How many video frames have their instant before the tick reading `ticks`.
    int64_t framesBefore(Uint32 ticks) const;
    /// How many sound buffers have their instant before the tick reading `ticks`.
    int64_t buffersBefore(Uint32 ticks) const;
    /// Milliseconds from the first tick reading to `ticks` (0 for an earlier reading).
    int64_t elapsed(Uint32 ticks) const;

private:
    Uint32 first;
    int64_t frames;
};
