#include "export/EncoderThread.h"

#include <utility>

bool EncoderThread::addPicture(std::string& reason) {
    return queue(Job{shown, drawings, {}}, reason);
}

bool EncoderThread::addSound(const int16_t* samples, int frames, std::string& reason) {
    return queue(Job{-1, 0, std::vector<int16_t>(samples, samples + frames * 2)}, reason);
}

bool EncoderThread::write(const Job& job, std::string& reason) {
    if (job.picture < 0)
        return writer.addSound(job.samples.data(), static_cast<int>(job.samples.size() / 2),
                               reason);
    // A picture shown in several frames in a row is converted once.
    const bool again = job.drawing == lastWritten;
    lastWritten = job.drawing;
    return again ? writer.repeatPicture(reason)
                 : writer.addPicture(pictures[job.picture].data(), reason);
}
