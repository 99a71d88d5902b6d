#include "video/VideoFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
/// What goes into a file of one extension.
struct Container {
    const char* extension;
    const char* muxer;
    const char* videoCodec;
    AvOptions videoOptions;
    SoundEncoder::Format sound;
};

const Container* containerFor(const std::string& path) {
    // CRF 18 keeps single particles crisp; VP9 reaches that look at CRF 24.
    static const Container containers[] = {
        {".mp4", "mp4", "libx264", {{"preset", "medium"}, {"crf", "18"}},
         {"aac", 44100, AV_SAMPLE_FMT_FLTP, 192000}},
        {".webm", "webm", "libvpx-vp9",
         {{"crf", "24"}, {"b", "0"}, {"deadline", "good"}, {"cpu-used", "4"}},
         {"libopus", 48000, AV_SAMPLE_FMT_S16, 128000}},
    };
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const Container& container : containers) {
        const std::string extension = container.extension;
        if (lower.size() > extension.size() &&
            lower.compare(lower.size() - extension.size(), extension.size(), extension) == 0)
            return &container;
    }
    return nullptr;
}
} // namespace

VideoFile::~VideoFile() { discard(); }

bool VideoFile::open(const std::string& videoPath, int width, int height, std::string& reason) {
    path = videoPath;
    // Encoders report their settings and statistics at length; only errors are for the user.
    av_log_set_level(AV_LOG_ERROR);
    const std::string part = path + ".part";
    const Container* container = containerFor(path);
    if (!container)
        return fail("unknown kind of video; the name must end in .mp4 or .webm", reason);
    AVFormatContext* format = nullptr;
    int result = avformat_alloc_output_context2(&format, nullptr, container->muxer,
                                                part.c_str());
    output.reset(format);
    if (result < 0)
        return fail("cannot set up the " + std::string(container->muxer) + " container: " +
                        avErrorText(result), reason);
    output->flags |= AVFMT_FLAG_BITEXACT;
    if (!pictures.open(output.get(), container->videoCodec, container->videoOptions, width,
                       height, FRAME_RATE, reason) ||
        !sound.open(output.get(), container->sound, reason))
        return fail(reason, reason);
    result = avio_open(&output->pb, part.c_str(), AVIO_FLAG_WRITE);
    if (result < 0)
        return fail("cannot create " + part + ": " + avErrorText(result), reason);
    partPath = part;
    // The index goes to the front, so players can start before the whole file has arrived.
    AVDictionary* options = dictionaryOf({{"movflags", "+faststart"}}).release();
    result = avformat_write_header(output.get(), &options);
    DictionaryPtr unused(options);
    if (result < 0)
        return fail("cannot write the header: " + avErrorText(result), reason);
    return true;
}

bool VideoFile::addPicture(const uint8_t* rgb, std::string& reason) {
    return pictures.add(rgb, reason) || fail(reason, reason);
}

bool VideoFile::repeatPicture(std::string& reason) {
    return pictures.repeat(reason) || fail(reason, reason);
}

bool VideoFile::addSound(const int16_t* samples, int frames, std::string& reason) {
    return sound.add(samples, frames, reason) || fail(reason, reason);
}

bool VideoFile::finish(std::string& reason) {
    if (!pictures.finish(reason) || !sound.finish(reason))
        return fail(reason, reason);
    int result = av_write_trailer(output.get());
    if (result >= 0)
        result = avio_closep(&output->pb);
    if (result < 0)
        return fail("cannot complete the file: " + avErrorText(result), reason);
    if (std::rename(partPath.c_str(), path.c_str()) != 0)
        return fail("cannot rename " + partPath + ": " + std::strerror(errno), reason);
    partPath.clear();
    return true;
}

void VideoFile::discard() {
    output.reset();
    if (!partPath.empty())
        std::remove(partPath.c_str());
    partPath.clear();
}

bool VideoFile::fail(const std::string& problem, std::string& reason) {
    reason = path + ": " + problem;
    discard();
    return false;
}

extern "C" VideoWriter* quillomerNewVideoWriter() { return new VideoFile(); }
