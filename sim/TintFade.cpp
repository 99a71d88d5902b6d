#include "sim/TintFade.h"

#include <cstdlib>

namespace {
constexpr float FADE_STEP = 0.01f;

/// rand() reduced to 0..32767 on every platform, so targets stay within 0.3..1 where
/// RAND_MAX is larger than 32767.
int fifteenBitRand() { return std::rand() % 32768; }
} // namespace

void TintFade::step() {
    const float t = fade;
    for (int c = 0; c < 3; ++c)
        current[c] = (1.0f - t) * from[c] + t * to[c];
    fade = t + FADE_STEP;
    if (fade > 1.0f) {
        fade = 0.0f;
        for (int c = 0; c < 3; ++c)
            from[c] = current[c];
        for (int c = 0; c < 3; ++c)
            to[c] = static_cast<float>(fifteenBitRand()) / 32767.0f * 0.7f + 0.3f;
    }
}
