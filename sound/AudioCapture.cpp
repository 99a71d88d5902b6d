#include "sound/AudioCapture.h"

#include "sound/AudioFormat.h"
#include "sound/AudioOutput.h"

#include <cstdio>
#include <vector>

namespace {
constexpr Uint32 HEADER_INTERVAL = 1000;
constexpr double SAMPLES_PER_SECOND = double(AudioFormat::SAMPLE_RATE) * AudioFormat::CHANNELS;
} // namespace

AudioCapture::AudioCapture(size_t ringSamples) : ring(ringSamples) {}

AudioCapture::~AudioCapture() {
    detach();
}

bool AudioCapture::start(const std::string& path, std::string& reason) {
    if (!writer.open(path, reason))
        return false;
    capturing = true;
    setSampleCapture(this);
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
    writeOwedSilence();
    if (ring.lost() > 0)
        std::fprintf(stderr,
                     "quillomer: %s: %zu samples (%.2f s) of sound were lost while the "
                     "program stalled; silence stands in their place\n",
                     writer.getPath().c_str(), ring.lost(), ring.lost() / SAMPLES_PER_SECOND);
    return writer.close(reason);
}

void AudioCapture::writeOwedSilence() {
    const std::vector<Sint16> silence(ring.owedSilence(), 0);
    writer.append(silence.data(), silence.size());
}
