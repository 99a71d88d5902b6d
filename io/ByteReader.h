// Reads little-endian numbers from a byte buffer, whatever the host's byte order. It never
// reads past the end: a read there gives 0 and marks the reader as overrun.
#pragma once

#include <cstddef>
#include <cstdint>

class ByteReader {
public:
    /// Reads `size` bytes at `data`, which must outlive the reader.
    ByteReader(const uint8_t* data, size_t size) : data(data), size(size) {}

    uint8_t u8() { return static_cast<uint8_t>(take(1)); }
    uint16_t u16() { return static_cast<uint16_t>(take(2)); }
    uint32_t u32() { return take(4); }
    int32_t i32() { return static_cast<int32_t>(take(4)); }
    /// A float from its IEEE 754 bits.
    float f32();

    /// True once every byte has been read.
    bool atEnd() const { return position >= size; }
    /// True if a read wanted more bytes than there were.
    bool overran() const { return overrun; }

private:
    uint32_t take(int count);

    const uint8_t* data;
    size_t size;
    size_t position = 0;
    bool overrun = false;
};
