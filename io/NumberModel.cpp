#include "io/NumberModel.h"

NumberModel::NumberModel() {
    for (Probability& probability : longer)
        probability = RangeEncoder::EVEN;
    for (auto& row : below)
        for (Probability& probability : row)
            probability = RangeEncoder::EVEN;
}

void NumberModel::write(RangeEncoder& out, uint32_t value) {
    const uint64_t shifted = static_cast<uint64_t>(value) + 1;
    int length = 0;
    while ((shifted >> (length + 1)) != 0)
        ++length;
    for (int i = 0; i < length; ++i)
        out.bit(longer[i], 1);
    if (length < MAX_LENGTH)
        out.bit(longer[length], 0);
    for (int i = length - 1; i >= 0; --i)
        out.bit(below[length][i], static_cast<int>((shifted >> i) & 1));
}

bool NumberModel::read(RangeDecoder& in, uint32_t& value) {
    int length = 0;
    while (length < MAX_LENGTH && in.bit(longer[length]) == 1)
        ++length;
    uint64_t shifted = 1;
    for (int i = length - 1; i >= 0; --i)
        shifted = (shifted << 1) | static_cast<uint64_t>(in.bit(below[length][i]));
    if (shifted - 1 > UINT32_MAX)
        return false;
    value = static_cast<uint32_t>(shifted - 1);
    return true;
}

void NumberModel::writeSigned(RangeEncoder& out, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    write(out, (bits << 1) ^ (value < 0 ? 0xFFFFFFFFu : 0u));
}

bool NumberModel::readSigned(RangeDecoder& in, int32_t& value) {
    uint32_t folded = 0;
    if (!read(in, folded))
        return false;
    value = static_cast<int32_t>((folded >> 1) ^ (0u - (folded & 1)));
    return true;
}
