// The program's pseudo-random source: MT19937 with the reference seeding and 31-bit output.
#pragma once

#include <cstdint>

class RandomGenerator {
public:
    /// Seeds the generator with the reference initialisation.
    explicit RandomGenerator(uint32_t seedValue);

    /// Restarts the sequence from a new seed.
    void seed(uint32_t seedValue);
    /// The next 32-bit output shifted right by one: 0 .. 2^31 - 1.
    int32_t nextInt31();

private:
    static constexpr int N = 624;
    static constexpr int M = 397;

    void regenerate();

    uint32_t words[N];
    int left = 1;
    // An index rather than a pointer into `words`, so a copy draws from its own words.
    int next = 0;
};
