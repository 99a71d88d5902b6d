#include "video/PictureEncoder.h"

bool PictureEncoder::open(AVFormatContext* output, const char* codecName,
                          const AvOptions& options, int width, int height, int frameRate,
                          std::string& reason) {
    const auto setup = [&](AVCodecContext& codec) {
        codec.width = width;
        codec.height = height;
        codec.pix_fmt = AV_PIX_FMT_YUV420P;
        codec.time_base = AVRational{1, frameRate};
        codec.framerate = AVRational{frameRate, 1};
        codec.colorspace = AVCOL_SPC_SMPTE170M;
        codec.color_range = AVCOL_RANGE_MPEG;
        codec.color_primaries = AVCOL_PRI_BT709;
        codec.color_trc = AVCOL_TRC_IEC61966_2_1;
        // A fixed thread count: the encoders' output then does not depend on the machine.
        codec.thread_count = 2;
    };
    if (!stream.open(output, codecName, setup, options, reason))
        return false;
    // Same size: only the pixel format changes; bit-exact so every CPU converts alike.
    scaler.reset(sws_getContext(width, height, AV_PIX_FMT_RGB24, width, height,
                                AV_PIX_FMT_YUV420P,
                                SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr,
                                nullptr, nullptr));
    frame.reset(av_frame_alloc());
    if (!scaler || !frame) {
        reason = "out of memory";
        return false;
    }
    frame->format = AV_PIX_FMT_YUV420P;
    frame->width = width;
    frame->height = height;
    const int result = av_frame_get_buffer(frame.get(), 0);
    if (result < 0) {
        reason = "no memory for a picture: " + avErrorText(result);
        return false;
    }
    return true;
}

bool PictureEncoder::add(const uint8_t* rgb, std::string& reason) {
    // The encoder may still hold the previous picture: write into a buffer of our own.
    const int writable = av_frame_make_writable(frame.get());
    if (writable < 0) {
        reason = "no memory for a picture: " + avErrorText(writable);
        return false;
    }
    const uint8_t* const planes[1] = {rgb};
    const int strides[1] = {frame->width * 3};
    sws_scale(scaler.get(), planes, strides, 0, frame->height, frame->data, frame->linesize);
    return repeat(reason);
}

bool PictureEncoder::repeat(std::string& reason) {
    // The frame holds the picture converted last; what the encoder keeps of it is its own.
    frame->pts = pictures++;
    return stream.encode(frame.get(), reason);
}
