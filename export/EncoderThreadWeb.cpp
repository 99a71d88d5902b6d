// The browser's program has no threads: there the writer takes each picture and sound buffer
// as it is queued, in the caller's thread (the page's encoder works on in the background).
#include "export/EncoderThread.h"

EncoderThread::EncoderThread(VideoWriter& videoWriter, size_t pictureBytes)
    : writer(videoWriter),
      pictures(1, std::vector<uint8_t>(pictureBytes + VideoWriter::PICTURE_PADDING, 0)) {}

EncoderThread::~EncoderThread() = default;

void EncoderThread::setPicture(const Fill& fill) {
    fill(pictures[shown].data());
    ++drawings;
}

bool EncoderThread::drain(std::string& reason) {
    reason = failure;
    return failure.empty();
}

bool EncoderThread::queue(Job job, std::string& reason) {
    if (failure.empty() && !write(job, failure))
        reason = failure;
    return failure.empty();
}
