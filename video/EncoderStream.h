// One stream of an output container and the encoder that feeds it: frames go in, the packets
// the encoder yields are written to the container in their stream's time base.
#pragma once

#include "video/AvHandles.h"

#include <functional>
#include <string>

class EncoderStream {
public:
    /// Sets the encoder's fields before it opens (size, rate, format, time base).
    using Setup = std::function<void(AVCodecContext&)>;

    /// Finds the encoder `codecName`, lets `setup` fill in its fields, opens it with `options`
    /// in bit-exact mode and adds its stream to `output`; false with a reason if this FFmpeg
    /// lacks the encoder or refuses the settings.
    bool open(AVFormatContext* output, const char* codecName, const Setup& setup,
              const AvOptions& options, std::string& reason);
    /// Encodes `frame` (null drains the encoder at the end) and writes every packet it yields;
    /// false with a reason if encoding or writing failed.
    bool encode(const AVFrame* frame, std::string& reason);
    /// The open encoder.
    AVCodecContext& context() const { return *codec; }

private:
    bool writePackets(std::string& reason);

    AVFormatContext* output = nullptr;
    AVStream* stream = nullptr;
    CodecContextPtr codec;
    PacketPtr packet;
};
