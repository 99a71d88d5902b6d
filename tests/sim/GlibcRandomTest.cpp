#include "sim/GlibcRandom.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

// The tests run on glibc, whose rand() is the reference; seed 0 starts as seed 1 does.
TEST(GlibcRandom, MatchesTheCLibrarysRandForAnySeed) {
    GlibcRandom first(1);
    for (int expected : {1804289383, 846930886, 1681692777, 1714636915, 1957747793})
        EXPECT_EQ(first.next(), expected);
    for (uint32_t seed : {0u, 1u, 42u, 1234567u, 0x7fffffffu, 0xffffffffu}) {
        GlibcRandom generator(seed);
        std::srand(seed);
        for (int draw = 0; draw < 1000; ++draw)
            ASSERT_EQ(generator.next(), std::rand()) << "seed " << seed << ", draw " << draw;
    }
}
