#include "io/RangeEncoder.h"

namespace {
constexpr uint32_t TOP = 1u << 24;
constexpr int PROBABILITY_BITS = 11;
constexpr int ADAPT_SHIFT = 5;
} // namespace

void RangeEncoder::bit(Probability& probability, int bit) {
    const uint32_t bound = (range >> PROBABILITY_BITS) * probability;
    if (bit == 0) {
        range = bound;
        probability += ((1u << PROBABILITY_BITS) - probability) >> ADAPT_SHIFT;
    } else {
        low += bound;
        range -= bound;
        probability -= probability >> ADAPT_SHIFT;
    }
    normalize();
}

void RangeEncoder::plainBits(uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        range >>= 1;
        if ((value >> i) & 1)
            low += range;
        normalize();
    }
}

std::vector<uint8_t> RangeEncoder::finish() {
    for (int i = 0; i < 5; ++i)
        shiftLow();
    return std::move(out);
}

void RangeEncoder::normalize() {
    while (range < TOP) {
        range <<= 8;
        shiftLow();
    }
}

void RangeEncoder::shiftLow() {
    // A byte is held back while a later carry could still change it.
    if (low < 0xFF000000u || low >= (1ull << 32)) {
        const uint8_t carry = static_cast<uint8_t>(low >> 32);
        uint8_t pending = cache;
        do {
            out.push_back(static_cast<uint8_t>(pending + carry));
            pending = 0xFF;
        } while (--cacheSize != 0);
        cache = static_cast<uint8_t>(low >> 24);
    }
    ++cacheSize;
    low = (low & 0x00FFFFFFu) << 8;
}
