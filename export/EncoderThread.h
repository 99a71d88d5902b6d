// Feeds a video writer from a thread of its own, so that the program draws its next picture
// while the last one is converted and encoded. Pictures and sound reach the writer in the
// order they were queued, so it writes the file it writes when called directly. A picture
// shown in several frames in a row is handed over once, then repeated (not converted again).
//
// Pictures live in a few buffers used over and over: the one frames show now (any number of
// queued frames may share it) and those the writer has yet to take. setPicture waits while
// none is free, so the program never runs more than a couple of pictures ahead.
#pragma once

#include "video/VideoWriter.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class EncoderThread {
public:
    /// What writes a picture (RGB, top row first) into a free buffer.
    using Fill = std::function<void(uint8_t* rgb)>;

    /// Feeds `writer` (open, and alive until this is gone) pictures of `pictureBytes` bytes,
    /// black until the first setPicture.
    EncoderThread(VideoWriter& writer, size_t pictureBytes);
    /// Drops what is still queued, lets the writer finish the call it is in, and ends the
    /// thread.
    ~EncoderThread();
    EncoderThread(const EncoderThread&) = delete;
    EncoderThread& operator=(const EncoderThread&) = delete;

    /// Lets `fill` write the picture that frames show from now on into a free buffer (waiting
    /// until one is).
    void setPicture(const Fill& fill);
    /// Queues a frame showing the current picture; false with the writer's reason once writing
    /// has failed.
    bool addPicture(std::string& reason);
    /// Queues `frames` interleaved stereo frames; false with the reason once writing has failed.
    bool addSound(const int16_t* samples, int frames, std::string& reason);
    /// Waits until the writer has taken everything queued; false with the reason if writing
    /// failed.
    bool drain(std::string& reason);

private:
    /// A frame showing the picture in buffer `picture`, the `drawing`th set, or sound
    /// (picture -1).
    struct Job {
        int picture = -1;
        int64_t drawing = 0;
        std::vector<int16_t> samples;
    };

    void run();
    bool write(const Job& job, std::string& reason);
    bool queue(Job job, std::string& reason);
    int freePicture() const;

    VideoWriter& writer;
    std::mutex mutex;
    std::condition_variable queued; ///< a job came, or the thread is to stop
    std::condition_variable taken;  ///< the writer is done with a job
    std::vector<std::vector<uint8_t>> pictures;
    std::vector<int> uses;    ///< queued frames showing each buffer, the one in hand included
    int shown = 0;            ///< the buffer new frames show; only the caller's thread sets it
    int64_t drawings = 0;     ///< pictures set so far; only the caller's thread counts them
    int64_t lastWritten = -1; ///< the drawing the writer took last; the thread's own
    std::deque<Job> jobs;
    bool writing = false;
    bool stopping = false;
    std::string failure;
    std::thread thread; ///< started last, when everything it uses is made
};
