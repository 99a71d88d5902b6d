#include "sound/AudioCapture.h"

#include "sound/AudioOutput.h"

namespace {
/// About three seconds of stereo sound: far more than the main loop leaves undrained.
constexpr size_t RING_SAMPLES = 1 << 18;
constexpr Uint32 HEADER_INTERVAL = 1000;
} // namespace

AudioCapture::AudioCapture() : ring(RING_SAMPLES) {}

AudioCapture::~AudioCapture() { detach(); }

bool AudioCapture::start(const std::string& path, std::string& reason) {
    if (!writer.open(path, reason))
        return false;
    capturing = true;
    setSampleCapture(&ring);
    return true;
}

void AudioCapture::drain(Uint32 now) {
    if (!capturing)
        return;
    writePending();
    if (now - lastHeaderUpdate >= HEADER_INTERVAL) {
        writer.updateHeader();
        lastHeaderUpdate = now;
    }
}

void AudioCapture::writePending() {
    Sint16 chunk[4096];
    size_t count;
    while ((count = ring.pop(chunk, sizeof chunk / sizeof chunk[0])) > 0)
        writer.append(chunk, count);
}

void AudioCapture::detach() {
    if (!capturing)
        return;
    // Under the audio lock no callback is running, so none can push after this.
    SDL_LockAudio();
    setSampleCapture(nullptr);
    SDL_UnlockAudio();
    capturing = false;
}

bool AudioCapture::finish(std::string& reason) {
    if (!capturing)
        return true;
    detach();
    writePending();
    return writer.close(reason);
}
