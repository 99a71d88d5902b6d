#include "sim/RandomGenerator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

// 2000 draws cross three block regenerations; the reseed comes in the middle of a block.
TEST(RandomGenerator, MatchesReferenceTwisterShiftedByOneAcrossBlocksAndAfterReseeding) {
    for (uint32_t seed : {5489u, 0u, 1u, 42u, 1234567u, 0xffffffffu}) {
        RandomGenerator generator(seed);
        for (int round = 0; round < 2; ++round) {
            std::mt19937 reference(seed);
            for (int draw = 0; draw < 2000; ++draw)
                ASSERT_EQ(generator.nextInt31(), static_cast<int32_t>(reference() >> 1))
                    << "seed " << seed << ", round " << round << ", draw " << draw;
            generator.seed(seed);
        }
    }
}

// A copy made in the middle of a block draws on from its own state, whatever becomes of the
// original (the autopilot's path is handed on by value).
TEST(RandomGenerator, CopyContinuesTheSequenceOnItsOwn) {
    RandomGenerator original(7);
    std::mt19937 reference(7);
    for (int draw = 0; draw < 100; ++draw)
        original.nextInt31(), reference();
    RandomGenerator copy = original;
    original.seed(8);
    for (int draw = 100; draw < 2000; ++draw)
        ASSERT_EQ(copy.nextInt31(), static_cast<int32_t>(reference() >> 1)) << "draw " << draw;
}
