#include "sound/Synthesizer.h"

#include "sound/AudioFormat.h"

#include "sound/SoundControls.h"

#include <cmath>

namespace {
constexpr float MIN_FREQUENCY = 10.0f;
constexpr float MAX_FREQUENCY = 1000.0f;
constexpr float GLIDE = 0.02f;
constexpr float ENVELOPE_RATE = 0.0002f;
constexpr float TWO_PI = 6.2831855f;
constexpr float DRIVE = 55.0f;
constexpr float OFFSET = 0.1f;

float sineOf(float x) { return static_cast<float>(std::sin(static_cast<double>(x))); }
float tanhOf(float x) { return static_cast<float>(std::tanh(static_cast<double>(x))); }
float powerOf(float x, float y) {
    return static_cast<float>(std::pow(static_cast<double>(x), static_cast<double>(y)));
}

/// Frequency of a note in octaves, 0 being two octaves below 440 Hz.
float targetFrequency(float note) {
    const float midiNote = note * 12.0f + 69.0f - 24.0f;
    return 440.0f * powerOf(2.0f, (midiNote - 69.0f) / 12.0f);
}
} // namespace

void Synthesizer::render(Sint16* out, int frames, bool gate, float note, float amplitude) {
    const float level = gate ? 1.0f : 0.0f;
    if (frequency < MIN_FREQUENCY)
        frequency = MIN_FREQUENCY;
    if (frequency > MAX_FREQUENCY)
        frequency = MAX_FREQUENCY;
    const float target = targetFrequency(note);
    // The pitch of a whole buffer is the one reached at its start.
    const float increment = frequency / static_cast<float>(AudioFormat::SAMPLE_RATE);
    const float shaperOffset = tanhOf(OFFSET);
    for (int frame = 0; frame < frames; ++frame) {
        frequency = (1.0f - GLIDE) * frequency + GLIDE * target;
        envelope = envelope + (level - envelope) * ENVELOPE_RATE;
        const float sine = sineOf(phase * TWO_PI);
        float y = tanhOf(sine * DRIVE + OFFSET) - shaperOffset;
        phase += increment;
        if (phase >= 1.0f)
            phase -= 1.0f;
        if (y > 1.0f)
            y = 1.0f;
        if (y < -1.0f)
            y = -1.0f;
        y = y * envelope * 0.5f;
        int value = static_cast<int>(y * amplitude * 32767.0f);
        if (value > 32767)
            value = 32767;
        if (value < -32768)
            value = -32768;
        out[2 * frame] = static_cast<Sint16>(value);
        out[2 * frame + 1] = static_cast<Sint16>(value);
    }
}

void Synthesizer::play(SoundControls& controls, Sint16* out, int frames) {
    render(out, frames, controls.gateOpen(), controls.note(), controls.amplitude());
    controls.closeGate();
}
