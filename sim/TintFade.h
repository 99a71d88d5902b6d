// The gradient's slowly drifting tint: one step at a time it fades from one colour to the
// next, and on reaching it picks a new random target (from a generator of its own, apart from
// the particles', with glibc's rand() sequence).
#pragma once

#include "sim/GlibcRandom.h"

#include <cstdint>

class TintFade {
public:
    /// A fade from black that draws its targets from the sequence of `seed`.
    explicit TintFade(uint32_t seed) : random(seed) {}

    /// One step of the fade.
    void step();
    /// The tint now, red, green and blue in 0..1.
    const float* color() const { return current; }

private:
    float from[3] = {0.0f, 0.0f, 0.0f};
    float to[3] = {1.0f, 1.0f, 1.0f};
    float current[3] = {0.0f, 0.0f, 0.0f};
    float fade = 0.0f;
    GlibcRandom random;
};
