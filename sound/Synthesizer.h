// A sine oscillator driven into a tanh shaper (a soft square wave) whose pitch glides to a
// note, with an envelope that swells while the gate is open and fades when it closes.
#pragma once

#include <SDL.h>

class SoundControls;

class Synthesizer {
public:
    /// Renders `frames` stereo frames (left and right equal) into `out`.
    /// `note` is in octaves above 110 Hz; `amplitude` 0..1 scales the output.
    void render(Sint16* out, int frames, bool gate, float note, float amplitude);
    /// Plays one buffer as the audio device asks for it: renders `frames` stereo frames from
    /// the gate, note and loudness in `controls` now, then closes their gate.
    void play(SoundControls& controls, Sint16* out, int frames);

    float getFrequency() const { return frequency; }
    float getEnvelope() const { return envelope; }

private:
    float frequency = 0.0f;
    float envelope = 0.0f;
    float phase = 0.0f;
};
