// The gradient's slowly drifting tint: one step at a time it fades from one colour to the
// next, and on reaching it picks a new random target (from the standard library's rand, a
// source apart from the particles' generator).
#pragma once

class TintFade {
public:
    /// One step of the fade.
    void step();
    /// The tint now, red, green and blue in 0..1.
    const float* color() const { return current; }

private:
    float from[3] = {0.0f, 0.0f, 0.0f};
    float to[3] = {1.0f, 1.0f, 1.0f};
    float current[3] = {0.0f, 0.0f, 0.0f};
    float fade = 0.0f;
};
