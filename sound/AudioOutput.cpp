#include "sound/AudioOutput.h"

#include "sound/AudioCapture.h"
#include "sound/AudioFormat.h"
#include "sound/SoundControls.h"
#include "sound/Synthesizer.h"

#include <atomic>
#include <cstdint>

namespace {
/// The synthesiser's state lives for the whole program and survives closing the device.
Synthesizer synthesizer;
std::atomic<AudioCapture*> capture{nullptr};

/// Rewrites host-order samples in place as little-endian bytes (a no-op on such hosts).
void toLittleEndian(Sint16* samples, int count) {
    Uint8* bytes = reinterpret_cast<Uint8*>(samples);
    for (int i = 0; i < count; ++i) {
        const auto value = static_cast<uint16_t>(samples[i]);
        bytes[2 * i] = static_cast<Uint8>(value);
        bytes[2 * i + 1] = static_cast<Uint8>(value >> 8);
    }
}
} // namespace

void setSampleCapture(AudioCapture* target) { capture.store(target, std::memory_order_release); }

bool openAudio(SoundControls* controls, std::string& reason) {
    SDL_AudioSpec request{};
    request.freq = AudioFormat::SAMPLE_RATE;
    request.format = AUDIO_S16LSB;
    request.channels = AudioFormat::CHANNELS;
    request.samples = AudioFormat::BUFFER_FRAMES;
    request.callback = audioCallback;
    request.userdata = controls;
    if (SDL_OpenAudio(&request, nullptr) < 0) {
        reason = SDL_GetError();
        return false;
    }
    SDL_PauseAudio(0);
    return true;
}

void closeAudio() {
    SDL_PauseAudio(1);
    SDL_CloseAudio();
}

void audioCallback(void* userdata, Uint8* stream, int len) {
    // Whole frames only: a trailing partial frame is left untouched.
    const int frames = len / 4;
    Sint16* samples = reinterpret_cast<Sint16*>(stream);
    synthesizer.play(*static_cast<SoundControls*>(userdata), samples, frames);
    if (AudioCapture* copy = capture.load(std::memory_order_acquire))
        copy->push(samples, static_cast<size_t>(frames) * 2);
    toLittleEndian(samples, frames * 2);
}
