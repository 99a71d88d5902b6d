// Test helper: decodes a video file with FFmpeg's libraries and prints, one "name values" per
// line, what the end-to-end test checks: the picture count, the file's duration and the
// recording's (first to last tick reading), a digest of every decoded picture and sample, the
// streams, and the sound's loudness (RMS, 0..1) in each quarter second.
//   clip_probe FILE RECORDING [K OUT.ppm]   (also writes decoded picture K as a PPM file)
#include "app/InputRecording.h"
#include "video/AvHandles.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
uint64_t digest = 1469598103934665603ull;

void mix(const uint8_t* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i)
        digest = (digest ^ bytes[i]) * 1099511628211ull;
}

[[noreturn]] void die(const std::string& what) {
    std::fprintf(stderr, "clip_probe: %s\n", what.c_str());
    std::exit(1);
}

/// Converts a picture to RGB as a player would (BT.601, limited range) into a PPM file.
void writePpm(const AVFrame& picture, const char* path) {
    ScalerPtr scaler(sws_getContext(picture.width, picture.height,
                                    static_cast<AVPixelFormat>(picture.format), picture.width,
                                    picture.height, AV_PIX_FMT_RGB24,
                                    SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT,
                                    nullptr, nullptr, nullptr));
    std::vector<uint8_t> rgb(static_cast<size_t>(picture.width) * picture.height * 3);
    uint8_t* planes[1] = {rgb.data()};
    const int strides[1] = {picture.width * 3};
    sws_scale(scaler.get(), picture.data, picture.linesize, 0, picture.height, planes, strides);
    FILE* out = std::fopen(path, "wb");
    std::fprintf(out, "P6\n%d %d\n255\n", picture.width, picture.height);
    std::fwrite(rgb.data(), 1, rgb.size(), out);
    std::fclose(out);
}

Uint32 recordingLength(const char* path) {
    std::vector<InputRecording::Entry> entries;
    std::string reason;
    if (!InputRecording::load(path, entries, reason))
        die(reason);
    std::vector<Uint32> readings;
    for (const InputRecording::Entry& entry : entries)
        if (!entry.isEvent)
            readings.push_back(entry.ticks);
    return readings.back() - readings.front();
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5)
        die("usage: clip_probe FILE RECORDING [K OUT.ppm]");
    AVFormatContext* opened = nullptr;
    if (avformat_open_input(&opened, argv[1], nullptr, nullptr) < 0 ||
        avformat_find_stream_info(opened, nullptr) < 0)
        die(std::string("cannot read ") + argv[1]);
    std::unique_ptr<AVFormatContext, AvFreeByAddress<AVFormatContext, avformat_close_input>>
        input(opened);
    std::vector<CodecContextPtr> decoders;
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const AVCodecParameters* parameters = input->streams[i]->codecpar;
        decoders.emplace_back(avcodec_alloc_context3(avcodec_find_decoder(parameters->codec_id)));
        avcodec_parameters_to_context(decoders[i].get(), parameters);
        if (avcodec_open2(decoders[i].get(), nullptr, nullptr) < 0)
            die("cannot open a decoder");
        const bool video = parameters->codec_type == AVMEDIA_TYPE_VIDEO;
        std::printf("stream %s %s %dx%d %d Hz\n", avcodec_get_name(parameters->codec_id),
                    video ? av_get_pix_fmt_name(static_cast<AVPixelFormat>(parameters->format))
                          : av_get_sample_fmt_name(static_cast<AVSampleFormat>(parameters->format)),
                    parameters->width, parameters->height, parameters->sample_rate);
    }
    int64_t pictures = 0;
    std::vector<double> squares;
    PacketPtr packet(av_packet_alloc());
    FramePtr frame(av_frame_alloc());
    const auto drain = [&](unsigned index) {
        while (avcodec_receive_frame(decoders[index].get(), frame.get()) >= 0) {
            if (decoders[index]->codec_type == AVMEDIA_TYPE_VIDEO) {
                if (argc == 5 && pictures == std::atoll(argv[3]))
                    writePpm(*frame, argv[4]);
                ++pictures;
                for (int plane = 0; plane < 3; ++plane)
                    for (int row = 0; row < frame->height >> (plane ? 1 : 0); ++row)
                        mix(frame->data[plane] + row * frame->linesize[plane],
                            frame->width >> (plane ? 1 : 0));
                continue;
            }
            if (frame->format != AV_SAMPLE_FMT_FLTP)
                die("the sound is not in planar floats");
            for (int i = 0; i < frame->nb_samples; ++i) {
                const double seconds = static_cast<double>(frame->pts) *
                                           av_q2d(input->streams[index]->time_base) +
                                       static_cast<double>(i) / frame->sample_rate;
                const auto quarter = static_cast<size_t>(std::max(0.0, seconds * 4));
                squares.resize(std::max(squares.size(), quarter + 1));
                const float value = reinterpret_cast<const float*>(frame->data[0])[i];
                mix(reinterpret_cast<const uint8_t*>(&value), sizeof value);
                squares[quarter] += value * value / (frame->sample_rate / 4.0);
            }
        }
    };
    while (av_read_frame(input.get(), packet.get()) >= 0) {
        avcodec_send_packet(decoders[packet->stream_index].get(), packet.get());
        drain(packet->stream_index);
        av_packet_unref(packet.get());
    }
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        avcodec_send_packet(decoders[i].get(), nullptr);
        drain(i);
    }
    std::printf("frames %lld\nduration_ms %lld\nrecording_ms %u\ndigest %016llx\nloudness",
                static_cast<long long>(pictures), static_cast<long long>(input->duration / 1000),
                recordingLength(argv[2]), static_cast<unsigned long long>(digest));
    for (const double sum : squares)
        std::printf(" %.4f", std::sqrt(sum));
    std::printf("\n");
    return 0;
}
