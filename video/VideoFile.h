// Writes a video file with sound through FFmpeg's libraries. An .mp4 holds H.264 (CRF 18,
// 4:2:0) with AAC at 44.1 kHz; a .webm VP9 with Opus (which runs at 48 kHz). Pictures come in
// as RGB, sound as 16-bit stereo at 44.1 kHz. Encoder settings and thread counts are fixed and
// the output bit-exact, so the same input always makes the same file. The file is written
// under a temporary name and takes its own only when whole; one that is given up is removed.
#pragma once

#include "video/AvHandles.h"
#include "video/PictureEncoder.h"
#include "video/SoundEncoder.h"
#include "video/VideoWriter.h"

#include <cstdint>
#include <string>

class VideoFile : public VideoWriter {
public:
    static constexpr int FRAME_RATE = 60;

    VideoFile() = default;
    /// Removes the temporary file of a video that was not finished.
    ~VideoFile() override;
    VideoFile(const VideoFile&) = delete;
    VideoFile& operator=(const VideoFile&) = delete;

    /// Creates the temporary file beside `path`, starts the encoders for `width` x `height`
    /// pictures and writes the container's header; false with a reason naming the file (an
    /// unknown extension, a place that cannot be written, an encoder this FFmpeg lacks).
    bool open(const std::string& path, int width, int height, std::string& reason) override;
    /// Adds the next picture (RGB, top row first, padded), shown for 1/60 s; false with a reason.
    bool addPicture(const uint8_t* rgb, std::string& reason) override;
    /// Adds the picture added last once more, shown for another 1/60 s; false with a reason.
    bool repeatPicture(std::string& reason) override;
    /// Adds `frames` interleaved stereo frames at 44.1 kHz; false with a reason.
    bool addSound(const int16_t* samples, int frames, std::string& reason) override;
    /// Drains the encoders, completes the container and renames the temporary file to the
    /// path; false with a reason (and nothing under the path) if any of it failed.
    bool finish(std::string& reason) override;

private:
    void discard();
    bool fail(const std::string& problem, std::string& reason);

    std::string path;
    std::string partPath;
    OutputPtr output;
    PictureEncoder pictures;
    SoundEncoder sound;
};
