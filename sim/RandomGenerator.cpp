#include "sim/RandomGenerator.h"

namespace {
constexpr uint32_t MATRIX_A = 0x9908b0dfu;
constexpr uint32_t UPPER_MASK = 0x80000000u;
constexpr uint32_t LOWER_MASK = 0x7fffffffu;

uint32_t twist(uint32_t upper, uint32_t lower, uint32_t far) {
    const uint32_t y = (upper & UPPER_MASK) | (lower & LOWER_MASK);
    return far ^ (y >> 1) ^ ((y & 1u) ? MATRIX_A : 0u);
}
} // namespace

RandomGenerator::RandomGenerator(uint32_t seedValue) { seed(seedValue); }

void RandomGenerator::seed(uint32_t seedValue) {
    words[0] = seedValue;
    for (int i = 1; i < N; ++i)
        words[i] = 1812433253u * (words[i - 1] ^ (words[i - 1] >> 30)) + static_cast<uint32_t>(i);
    left = 1;
}

void RandomGenerator::regenerate() {
    for (int i = 0; i < N; ++i)
        words[i] = twist(words[i], words[(i + 1) % N], words[(i + M) % N]);
    left = N;
    next = 0;
}

int32_t RandomGenerator::nextInt31() {
    if (--left == 0)
        regenerate();
    uint32_t y = words[next++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return static_cast<int32_t>(y >> 1);
}
