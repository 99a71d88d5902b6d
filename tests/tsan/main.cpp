// The simulation screen's sound on SDL's real audio thread while the main thread stirs,
// steps and pauses it for a few seconds. Built with ThreadSanitizer: a data race between the
// two threads is reported and fails the run. Exits 0 when the audio thread took part and
// nothing was reported.
#include "screens/GameState.h"
#include "sound/AudioCapture.h"
#include "sound/AudioOutput.h"
#include "tests/screens/ScreenEvents.h"
#include "tests/support/GLWindow.h"
#include "tests/support/ScreenServices.h"

#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <list>
#include <memory>
#include <string>

#include <unistd.h>

namespace {
constexpr Uint32 RUN_MILLISECONDS = 3000;
constexpr Uint32 GATE_LIMIT_MILLISECONDS = 60000;

int failed(const char* what) {
    std::fprintf(stderr, "tsan_audio_thread: %s\n", what);
    return 1;
}

// Main thread: motion events, fixed steps and a pause and resume of the sound, draining the
// samples the callback copies out, until the time is up.
void stirWhileAudioRuns(GameState& screen, AudioCapture& capture) {
    std::list<int> keys;
    const Uint32 start = SDL_GetTicks();
    for (int step = 0; SDL_GetTicks() - start < RUN_MILLISECONDS; ++step) {
        // A pointer circling over the field, a little further each step.
        const SDL_MouseMotionEvent motion =
            motionTo(480 + static_cast<int>(300 * std::cos(step * 0.05)),
                     360 + static_cast<int>(250 * std::sin(step * 0.05)));
        screen.mouseMove(&motion);
        if (step % 4 == 0)
            screen.update(SDL_GetTicks(), keys);
        if (step % 500 == 250 || step % 500 == 300) {
            const int pauseKey = SDLK_s; // pauses, then resumes the device
            screen.keyDown(&pauseKey);
        }
        capture.drain(SDL_GetTicks());
        SDL_Delay(1);
    }
}

// With no motion the audio thread closes the gate after its next buffer.
bool gateClosesWithoutMotion(SoundControls& controls) {
    const Uint32 start = SDL_GetTicks();
    while (controls.gateOpen() && SDL_GetTicks() - start < GATE_LIMIT_MILLISECONDS)
        SDL_Delay(10);
    return !controls.gateOpen();
}
} // namespace

int main() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    GLWindow window;
    if (!window.isOpen())
        return failed("no OpenGL window (an X display is needed)");
    ScreenServices services;
    if (!services.load())
        return failed("the fonts in data/ did not load");
    GameState screen(services.context());
    if (!screen.load())
        return failed("the simulation screen did not load");
    const std::string wavPath = "/tmp/tsan_audio_thread-" + std::to_string(getpid()) + ".wav";
    AudioCapture capture;
    std::string reason;
    if (!capture.start(wavPath, reason))
        return failed(reason.c_str());
    if (!openAudio(&screen.soundControls(), reason))
        return failed(reason.c_str());
    stirWhileAudioRuns(screen, capture);
    const bool gateClosed = gateClosesWithoutMotion(screen.soundControls());
    closeAudio();
    capture.finish(reason);
    std::error_code noFile;
    const long received = (static_cast<long>(std::filesystem::file_size(wavPath, noFile)) - 44) / 2;
    std::remove(wavPath.c_str());

    if (received <= 0)
        return failed("the audio thread produced no samples");
    if (!gateClosed)
        return failed("the audio thread did not close the gate");
    std::printf("tsan_audio_thread: %ld samples from the audio thread, no race reported\n",
                received);
    return 0;
}
