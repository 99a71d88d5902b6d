// A video file being written: pictures and sound go in, a whole file comes out. VideoFile
// implements it in the video module, the one library that links FFmpeg; the program loads
// that module only when it exports (replay/VideoModule), so no other run loads FFmpeg.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class VideoWriter {
public:
    /// Bytes after a picture's last pixel that must be there to read: FFmpeg's converters read
    /// a little past the end of their input.
    static constexpr size_t PICTURE_PADDING = 64;

    virtual ~VideoWriter() = default;

    /// Creates the file under a temporary name, starts the encoders for `width` x `height`
    /// pictures; false with a reason naming the file.
    virtual bool open(const std::string& path, int width, int height, std::string& reason) = 0;
    /// Adds the next picture (RGB, top row first, PICTURE_PADDING bytes after it), shown for
    /// 1/60 s; false with a reason.
    virtual bool addPicture(const uint8_t* rgb, std::string& reason) = 0;
    /// Adds the picture added last once more (converted and padded no more), shown for another
    /// 1/60 s; false with a reason.
    virtual bool repeatPicture(std::string& reason) = 0;
    /// Adds `frames` interleaved stereo frames at 44.1 kHz; false with a reason.
    virtual bool addSound(const int16_t* samples, int frames, std::string& reason) = 0;
    /// Whether it takes the next picture now: the browser's encoder, when behind, asks the
    /// replay to wait.
    virtual bool ready() { return true; }
    /// Completes the file and gives it its name; false with a reason (and no file).
    virtual bool finish(std::string& reason) = 0;
};

/// The module's entry point: a new, unopened writer, owned by the caller.
extern "C" VideoWriter* quillomerNewVideoWriter();
/// The entry point's name, as the loader looks it up.
constexpr const char* NEW_VIDEO_WRITER = "quillomerNewVideoWriter";
