#include "io/RangeDecoder.h"

namespace {
constexpr uint32_t TOP = 1u << 24;
constexpr int PROBABILITY_BITS = 11;
constexpr int ADAPT_SHIFT = 5;
} // namespace

RangeDecoder::RangeDecoder(const uint8_t* bytes, size_t length) : data(bytes), size(length) {
    for (int i = 0; i < 5; ++i)
        code = (code << 8) | nextByte();
}

int RangeDecoder::bit(Probability& probability) {
    const uint32_t bound = (range >> PROBABILITY_BITS) * probability;
    int bit = 0;
    if (code < bound) {
        range = bound;
        probability += ((1u << PROBABILITY_BITS) - probability) >> ADAPT_SHIFT;
    } else {
        code -= bound;
        range -= bound;
        probability -= probability >> ADAPT_SHIFT;
        bit = 1;
    }
    normalize();
    return bit;
}

uint32_t RangeDecoder::plainBits(int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        range >>= 1;
        int bit = 0;
        if (code >= range) {
            code -= range;
            bit = 1;
        }
        value = (value << 1) | static_cast<uint32_t>(bit);
        normalize();
    }
    return value;
}

void RangeDecoder::normalize() {
    while (range < TOP) {
        range <<= 8;
        code = (code << 8) | nextByte();
    }
}

uint8_t RangeDecoder::nextByte() {
    return position < size ? data[position++] : (++position, 0);
}
