// The encoder on a thread of its own (the desktop and Windows).
#include "export/EncoderThread.h"

#include <utility>

namespace {
// The picture shown, one being encoded and one being drawn: drawing and encoding overlap,
// and neither waits for the other while they take about as long.
constexpr int PICTURE_BUFFERS = 3;
} // namespace

EncoderThread::EncoderThread(VideoWriter& videoWriter, size_t pictureBytes)
    : writer(videoWriter),
      pictures(PICTURE_BUFFERS,
               std::vector<uint8_t>(pictureBytes + VideoWriter::PICTURE_PADDING, 0)),
      uses(PICTURE_BUFFERS, 0), thread([this] { run(); }) {}

EncoderThread::~EncoderThread() {
    {
        std::lock_guard<std::mutex> lock(mutex);
        stopping = true;
    }
    queued.notify_one();
    thread.join();
}

void EncoderThread::setPicture(const Fill& fill) {
    std::unique_lock<std::mutex> lock(mutex);
    int free = -1;
    taken.wait(lock, [&] { return (free = freePicture()) >= 0; });
    lock.unlock();
    // No queued frame shows this buffer and only this thread queues frames: the writer
    // does not read it while it is filled.
    fill(pictures[free].data());
    shown = free;
    ++drawings;
}

bool EncoderThread::drain(std::string& reason) {
    std::unique_lock<std::mutex> lock(mutex);
    taken.wait(lock, [this] { return jobs.empty() && !writing; });
    if (failure.empty())
        return true;
    reason = failure;
    return false;
}

bool EncoderThread::queue(Job job, std::string& reason) {
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!failure.empty()) {
            reason = failure;
            return false;
        }
        if (job.picture >= 0)
            ++uses[job.picture];
        jobs.push_back(std::move(job));
    }
    queued.notify_one();
    return true;
}

void EncoderThread::run() {
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        queued.wait(lock, [this] { return stopping || !jobs.empty(); });
        if (stopping)
            return;
        const Job job = std::move(jobs.front());
        jobs.pop_front();
        // After a failure the rest is dropped, its pictures freed for a caller that may wait.
        if (failure.empty()) {
            writing = true;
            lock.unlock();
            std::string reason;
            const bool written = write(job, reason);
            lock.lock();
            writing = false;
            if (!written)
                failure = reason;
        }
        if (job.picture >= 0)
            --uses[job.picture];
        taken.notify_all();
    }
}

int EncoderThread::freePicture() const {
    for (int picture = 0; picture < PICTURE_BUFFERS; ++picture)
        if (picture != shown && uses[picture] == 0)
            return picture;
    return -1;
}
