// Owners of FFmpeg objects: each is freed with its own FFmpeg function when the owner goes out
// of scope, so no error path can leak one.
#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <string>
#include <utility>
#include <vector>

/// Frees with an FFmpeg function that takes the address of the pointer.
template <typename T, void (*Free)(T**)>
struct AvFreeByAddress {
    void operator()(T* object) const { Free(&object); }
};

/// Frees with an FFmpeg function that takes the pointer.
template <typename T, void (*Free)(T*)>
struct AvFree {
    void operator()(T* object) const { Free(object); }
};

using CodecContextPtr =
    std::unique_ptr<AVCodecContext, AvFreeByAddress<AVCodecContext, avcodec_free_context>>;
using FramePtr = std::unique_ptr<AVFrame, AvFreeByAddress<AVFrame, av_frame_free>>;
using PacketPtr = std::unique_ptr<AVPacket, AvFreeByAddress<AVPacket, av_packet_free>>;
using ResamplerPtr = std::unique_ptr<SwrContext, AvFreeByAddress<SwrContext, swr_free>>;
using ScalerPtr = std::unique_ptr<SwsContext, AvFree<SwsContext, sws_freeContext>>;
using AudioFifoPtr = std::unique_ptr<AVAudioFifo, AvFree<AVAudioFifo, av_audio_fifo_free>>;
using DictionaryPtr =
    std::unique_ptr<AVDictionary, AvFreeByAddress<AVDictionary, av_dict_free>>;

/// An output container: its file (if open) is closed, then the context freed.
struct OutputCloser {
    void operator()(AVFormatContext* format) const {
        if (format->pb)
            avio_closep(&format->pb);
        avformat_free_context(format);
    }
};
using OutputPtr = std::unique_ptr<AVFormatContext, OutputCloser>;

/// FFmpeg's text for an error code.
inline std::string avErrorText(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

/// Option names and values handed to an FFmpeg object when it opens.
using AvOptions = std::vector<std::pair<const char*, const char*>>;

/// A dictionary holding `options`.
inline DictionaryPtr dictionaryOf(const AvOptions& options) {
    AVDictionary* entries = nullptr;
    for (const auto& [name, value] : options)
        av_dict_set(&entries, name, value, 0);
    return DictionaryPtr(entries);
}
