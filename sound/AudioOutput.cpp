#include "sound/AudioOutput.h"

#include "app/reportError.h"
#include "screens/GameState.h"
#include "sound/AudioCapture.h"
#include "sound/Synthesizer.h"

#include <atomic>

namespace {
/// The synthesiser's state lives for the whole program and survives closing the device.
Synthesizer synthesizer;
std::atomic<AudioCapture*> capture{nullptr};
} // namespace

void setSampleCapture(AudioCapture* target) { capture.store(target, std::memory_order_release); }

void openAudio(void (*callback)(void*, Uint8*, int), GameState* userdata) {
    SDL_AudioSpec request{};
    request.freq = Synthesizer::SAMPLE_RATE;
    request.format = AUDIO_S16LSB;
    request.channels = 2;
    request.samples = 2048;
    request.callback = callback;
    request.userdata = userdata;
    if (SDL_OpenAudio(&request, nullptr) < 0) {
        reportError("Audio error", "Couldn't open audio: %s\n", SDL_GetError());
        return;
    }
    SDL_PauseAudio(0);
}

void closeAudio() {
    SDL_PauseAudio(1);
    SDL_CloseAudio();
}

void audioCallback(void* userdata, Uint8* stream, int len) {
    GameState* screen = static_cast<GameState*>(userdata);
    const bool gate = screen->gateOpen();
    const float amplitude = screen->soundAmplitude();
    const float note = screen->soundNote();
    // Whole frames only: a trailing partial frame is left untouched.
    Sint16* samples = reinterpret_cast<Sint16*>(stream);
    synthesizer.render(samples, len / 4, gate, note, amplitude);
    screen->closeGate();
    if (AudioCapture* copy = capture.load(std::memory_order_acquire))
        copy->push(samples, static_cast<size_t>(len / 4) * 2);
}
