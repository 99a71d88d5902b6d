#include "io/ByteWriter.h"

#include <cstring>

void ByteWriter::u16(uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::u32(uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void ByteWriter::f32(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    u32(bits);
}

void ByteWriter::tag(const char* fourCharacters) {
    out.insert(out.end(), fourCharacters, fourCharacters + 4);
}
