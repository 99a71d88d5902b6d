#include "video/EncoderStream.h"

bool EncoderStream::open(AVFormatContext* container, const char* codecName, const Setup& setup,
                         const AvOptions& options, std::string& reason) {
    output = container;
    const AVCodec* encoder = avcodec_find_encoder_by_name(codecName);
    if (!encoder) {
        reason = std::string("this FFmpeg has no ") + codecName + " encoder";
        return false;
    }
    codec.reset(avcodec_alloc_context3(encoder));
    packet.reset(av_packet_alloc());
    stream = avformat_new_stream(output, nullptr);
    if (!codec || !packet || !stream) {
        reason = "out of memory";
        return false;
    }
    setup(*codec);
    codec->flags |= AV_CODEC_FLAG_BITEXACT;
    if (output->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary* entries = dictionaryOf(options).release();
    int result = avcodec_open2(codec.get(), encoder, &entries);
    DictionaryPtr unused(entries);
    if (result >= 0)
        result = avcodec_parameters_from_context(stream->codecpar, codec.get());
    if (result < 0) {
        reason = std::string("cannot start the ") + codecName + " encoder: " + avErrorText(result);
        return false;
    }
    stream->time_base = codec->time_base;
    return true;
}

bool EncoderStream::encode(const AVFrame* frame, std::string& reason) {
    const int result = avcodec_send_frame(codec.get(), frame);
    if (result < 0) {
        reason = std::string("encoding failed: ") + avErrorText(result);
        return false;
    }
    return writePackets(reason);
}

bool EncoderStream::writePackets(std::string& reason) {
    for (;;) {
        int result = avcodec_receive_packet(codec.get(), packet.get());
        if (result == AVERROR(EAGAIN) || result == AVERROR_EOF)
            return true;
        if (result < 0) {
            reason = std::string("encoding failed: ") + avErrorText(result);
            return false;
        }
        // A video packet is one frame long; some encoders leave its duration unset.
        if (packet->duration == 0 && codec->codec_type == AVMEDIA_TYPE_VIDEO)
            packet->duration = 1;
        av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        result = av_interleaved_write_frame(output, packet.get());
        if (result < 0) {
            reason = std::string("cannot write: ") + avErrorText(result);
            return false;
        }
    }
}
