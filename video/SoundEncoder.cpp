#include "video/SoundEncoder.h"

#include <algorithm>
#include <vector>

bool SoundEncoder::open(AVFormatContext* output, const Format& format, std::string& reason) {
    const auto setup = [&](AVCodecContext& codec) {
        codec.sample_fmt = format.sampleFormat;
        codec.sample_rate = format.sampleRate;
        codec.time_base = AVRational{1, format.sampleRate};
        codec.bit_rate = format.bitRate;
        av_channel_layout_default(&codec.ch_layout, 2);
    };
    if (!stream.open(output, format.codecName, setup, {}, reason))
        return false;
    AVChannelLayout stereo;
    av_channel_layout_default(&stereo, 2);
    SwrContext* converter = nullptr;
    int result = swr_alloc_set_opts2(&converter, &stereo, format.sampleFormat, format.sampleRate,
                                     &stereo, AV_SAMPLE_FMT_S16, INPUT_RATE, 0, nullptr);
    resampler.reset(converter);
    if (result >= 0)
        result = swr_init(resampler.get());
    queue.reset(av_audio_fifo_alloc(format.sampleFormat, 2, format.sampleRate));
    if (result < 0 || !queue) {
        reason = "cannot convert the sound: " + avErrorText(result < 0 ? result : AVERROR(ENOMEM));
        return false;
    }
    return true;
}

bool SoundEncoder::add(const int16_t* samples, int frames, std::string& reason) {
    return convert(samples, frames, reason) &&
           encodeQueued(stream.context().frame_size, reason);
}

bool SoundEncoder::finish(std::string& reason) {
    // Null input takes out what the resampler still holds back.
    return convert(nullptr, 0, reason) && encodeQueued(1, reason) &&
           stream.encode(nullptr, reason);
}

bool SoundEncoder::convert(const int16_t* samples, int frames, std::string& reason) {
    const AVSampleFormat format = stream.context().sample_fmt;
    int result = swr_get_out_samples(resampler.get(), frames);
    if (result == 0)
        return true;
    const int room = result;
    if (result > 0)
        result = av_samples_get_buffer_size(nullptr, 2, room, format, 1);
    std::vector<uint8_t> buffer(result > 0 ? result : 0);
    uint8_t* planes[2] = {};
    if (result > 0)
        result = av_samples_fill_arrays(planes, nullptr, buffer.data(), 2, room, format, 1);
    if (result >= 0) {
        const uint8_t* input = reinterpret_cast<const uint8_t*>(samples);
        result = swr_convert(resampler.get(), planes, room, samples ? &input : nullptr, frames);
    }
    if (result > 0)
        result = av_audio_fifo_write(queue.get(), reinterpret_cast<void**>(planes), result);
    if (result < 0) {
        reason = "cannot convert the sound: " + avErrorText(result);
        return false;
    }
    return true;
}

bool SoundEncoder::encodeQueued(int minimum, std::string& reason) {
    const AVCodecContext& codec = stream.context();
    while (av_audio_fifo_size(queue.get()) >= minimum && av_audio_fifo_size(queue.get()) > 0) {
        // A frame of its own each time: the encoder may keep a reference to the last one.
        FramePtr frame(av_frame_alloc());
        if (!frame) {
            reason = "out of memory";
            return false;
        }
        frame->nb_samples = std::min(av_audio_fifo_size(queue.get()), codec.frame_size);
        frame->format = codec.sample_fmt;
        frame->sample_rate = codec.sample_rate;
        int result = av_channel_layout_copy(&frame->ch_layout, &codec.ch_layout);
        if (result >= 0)
            result = av_frame_get_buffer(frame.get(), 0);
        if (result >= 0)
            result = av_audio_fifo_read(queue.get(), reinterpret_cast<void**>(frame->data),
                                        frame->nb_samples);
        if (result < 0) {
            reason = "cannot queue the sound: " + avErrorText(result);
            return false;
        }
        frame->pts = encodedFrames;
        encodedFrames += frame->nb_samples;
        if (!stream.encode(frame.get(), reason))
            return false;
    }
    return true;
}
