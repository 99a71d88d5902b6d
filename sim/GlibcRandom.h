// The generator behind glibc's rand(): an additive feedback generator over 34 words,
// r[i] = r[i - 31] + r[i - 3], started by a multiplicative one and run 310 draws in. The
// drifting tint draws from it, so the same seed gives the same colours on every platform,
// whatever its C library's rand() does; a recording made with glibc's rand() draws the same.
#pragma once

#include <cstdint>

class GlibcRandom {
public:
    /// The sequence srand(seed) starts (seed 0 counts as 1, as in glibc).
    explicit GlibcRandom(uint32_t seed);

    /// The next number, 0 to 2^31 - 1: what rand() would return.
    int next();

private:
    static constexpr int WORDS = 34;

    uint32_t draw();

    uint32_t history[WORDS];
    int oldest = 0; ///< where r[i - 34] lies
};
