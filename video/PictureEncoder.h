// The picture stream of a video file: RGB pictures are converted to 4:2:0 YUV (BT.601, limited
// range, and tagged so) and encoded one frame per 1/60 s.
#pragma once

#include "video/AvHandles.h"
#include "video/EncoderStream.h"

#include <cstdint>
#include <string>

class PictureEncoder {
public:
    /// Starts `codecName` with `options` for `width` x `height` pictures at `frameRate` per
    /// second and adds its stream to `output`; false with a reason.
    bool open(AVFormatContext* output, const char* codecName, const AvOptions& options,
              int width, int height, int frameRate, std::string& reason);
    /// Encodes the next picture: RGB pixels, top row first, followed by
    /// VideoWriter::PICTURE_PADDING bytes that the converter may read; false with a reason.
    bool add(const uint8_t* rgb, std::string& reason);
    /// Encodes the picture converted last once more (after an add); false with a reason.
    bool repeat(std::string& reason);
    /// Drains the encoder; false with a reason.
    bool finish(std::string& reason) { return stream.encode(nullptr, reason); }

private:
    EncoderStream stream;
    ScalerPtr scaler;
    FramePtr frame;
    int64_t pictures = 0;
};
