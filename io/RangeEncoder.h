// An adaptive binary range coder's writing half (the carry-less scheme of LZMA): each bit is
// coded with a probability that learns from the bits coded with it before, so bits that are
// nearly always the same cost a small fraction of a bit.
#pragma once

#include <cstdint>
#include <vector>

class RangeEncoder {
public:
    /// A probability: the chance of a 0 in units of 1/2048, starting even.
    using Probability = uint16_t;
    static constexpr Probability EVEN = 1024;

    /// Codes `bit` (0 or 1) with `probability`, which then moves towards it.
    void bit(Probability& probability, int bit);
    /// Codes the low `count` bits of `value` (at most 32), each at even odds.
    void plainBits(uint32_t value, int count);
    /// Ends the code and gives its bytes.
    std::vector<uint8_t> finish();

private:
    void normalize();
    void shiftLow();

    std::vector<uint8_t> out;
    uint64_t low = 0;
    uint32_t range = 0xFFFFFFFFu;
    uint8_t cache = 0;
    uint64_t cacheSize = 1;
};
