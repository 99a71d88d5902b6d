// The sound stream of a video file: 16-bit stereo at 44.1 kHz is converted to the encoder's
// sample format and rate, and encoded in the frame size the encoder takes.
#pragma once

#include "sound/AudioFormat.h"
#include "video/AvHandles.h"
#include "video/EncoderStream.h"

#include <cstdint>
#include <string>

class SoundEncoder {
public:
    /// What the encoder takes.
    struct Format {
        const char* codecName;
        int sampleRate;
        AVSampleFormat sampleFormat;
        int64_t bitRate;
    };
    /// The rate of the sound handed to add().
    static constexpr int INPUT_RATE = AudioFormat::SAMPLE_RATE;

    /// Starts the encoder in `format` for stereo sound and adds its stream to `output`; false
    /// with a reason.
    bool open(AVFormatContext* output, const Format& format, std::string& reason);
    /// Encodes `frames` interleaved stereo frames; false with a reason.
    bool add(const int16_t* samples, int frames, std::string& reason);
    /// Encodes what the converter still holds (a short last frame included) and drains the
    /// encoder; false with a reason.
    bool finish(std::string& reason);

private:
    bool convert(const int16_t* samples, int frames, std::string& reason);
    bool encodeQueued(int minimum, std::string& reason);

    EncoderStream stream;
    ResamplerPtr resampler;
    AudioFifoPtr queue;
    int64_t encodedFrames = 0;
};
