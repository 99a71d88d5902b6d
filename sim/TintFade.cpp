#include "sim/TintFade.h"

namespace {
constexpr float FADE_STEP = 0.01f;
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
        // Reduced to 0..32767, the range the targets were made for: 0.3 to 1.
        for (int c = 0; c < 3; ++c)
            to[c] = static_cast<float>(random.next() % 32768) / 32767.0f * 0.7f + 0.3f;
    }
}
