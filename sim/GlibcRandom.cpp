#include "sim/GlibcRandom.h"

GlibcRandom::GlibcRandom(uint32_t seed) {
    int32_t word = seed == 0 ? 1 : static_cast<int32_t>(seed);
    history[0] = static_cast<uint32_t>(word);
    for (int i = 1; i < 31; ++i) {
        // 16807 * word mod (2^31 - 1) without overflow (Schrage's method).
        const int32_t high = word / 127773, low = word % 127773;
        word = 16807 * low - 2836 * high;
        if (word < 0)
            word += 2147483647;
        history[i] = static_cast<uint32_t>(word);
    }
    for (int i = 31; i < WORDS; ++i)
        history[i] = history[i - 31];
    for (int i = 0; i < 310; ++i)
        draw();
}

int GlibcRandom::next() { return static_cast<int>(draw() >> 1); }

uint32_t GlibcRandom::draw() {
    const uint32_t value =
        history[(oldest + WORDS - 31) % WORDS] + history[(oldest + WORDS - 3) % WORDS];
    history[oldest] = value;
    oldest = (oldest + 1) % WORDS;
    return value;
}
