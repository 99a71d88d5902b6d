#include "io/ByteReader.h"

#include <cstring>

uint32_t ByteReader::take(int count) {
    if (size - position < static_cast<size_t>(count)) {
        overrun = true;
        position = size;
        return 0;
    }
    uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value |= static_cast<uint32_t>(data[position++]) << (8 * i);
    return value;
}

float ByteReader::f32() {
    const uint32_t bits = u32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
