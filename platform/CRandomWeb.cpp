// The browser's C library (musl) draws other rand() numbers than the desktop's (glibc), and
// the drifting tint follows rand(). The browser build therefore brings glibc's generator, so
// the same seed gives the same colours on both: an additive feedback generator over 34
// words, r[i] = r[i - 31] + r[i - 3], started by a multiplicative one and run 310 draws in.
#include <cstdint>
#include <cstdlib>

namespace {
constexpr int WORDS = 34;
uint32_t history[WORDS];
int next = 0; ///< where the oldest word, r[i - 34], lies

uint32_t draw() {
    const uint32_t value =
        history[(next + WORDS - 31) % WORDS] + history[(next + WORDS - 3) % WORDS];
    history[next] = value;
    next = (next + 1) % WORDS;
    return value;
}
} // namespace

extern "C" void srand(unsigned seed) {
    int32_t word = seed == 0 ? 1 : static_cast<int32_t>(seed);
    uint32_t start[WORDS];
    start[0] = static_cast<uint32_t>(word);
    for (int i = 1; i < 31; ++i) {
        // 16807 * word mod (2^31 - 1) without overflow (Schrage's method).
        const int32_t high = word / 127773, low = word % 127773;
        word = 16807 * low - 2836 * high;
        if (word < 0)
            word += 2147483647;
        start[i] = static_cast<uint32_t>(word);
    }
    for (int i = 31; i < WORDS; ++i)
        start[i] = start[i - 31];
    for (int i = 0; i < WORDS; ++i)
        history[i] = start[i];
    next = 0;
    for (int i = 0; i < 310; ++i)
        draw();
}

extern "C" int rand() {
    return static_cast<int>(draw() >> 1);
}
