// Appends little-endian numbers to a byte buffer, whatever the host's byte order: the one
// encoder of the program's files (state file, recording, WAV).
#pragma once

#include <cstdint>
#include <vector>

class ByteWriter {
public:
    /// Appends to `out`, which must outlive the writer.
    explicit ByteWriter(std::vector<uint8_t>& out) : out(out) {}

    void u8(uint8_t value) { out.push_back(value); }
    void u16(uint16_t value);
    void u32(uint32_t value);
    void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
    /// The float's IEEE 754 bits.
    void f32(float value);
    /// Four characters as they stand ("RIFF").
    void tag(const char* fourCharacters);

private:
    std::vector<uint8_t>& out;
};
