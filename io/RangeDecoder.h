// The reading half of RangeEncoder. Past the end of its bytes it reads zeros and marks itself
// overrun, so damaged input can never make it read outside the buffer.
#pragma once

#include "io/RangeEncoder.h"

#include <cstddef>
#include <cstdint>

class RangeDecoder {
public:
    using Probability = RangeEncoder::Probability;

    /// Decodes the `size` bytes at `data`, which must outlive the decoder.
    RangeDecoder(const uint8_t* data, size_t size);
    /// The next bit coded with `probability`, which moves as the encoder's did.
    int bit(Probability& probability);
    /// The next `count` bits coded at even odds.
    uint32_t plainBits(int count);
    /// True once the code needed bytes beyond the end.
    bool overran() const { return position > size; }

private:
    void normalize();
    uint8_t nextByte();

    const uint8_t* data;
    size_t size;
    size_t position = 0;
    uint32_t range = 0xFFFFFFFFu;
    uint32_t code = 0;
};
