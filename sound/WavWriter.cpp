#include "sound/WavWriter.h"

#include "io/ByteWriter.h"
#include "sound/AudioFormat.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {
constexpr uint32_t SAMPLE_RATE = AudioFormat::SAMPLE_RATE;
constexpr uint16_t CHANNELS = AudioFormat::CHANNELS;
constexpr uint16_t BITS = 16;
} // namespace

bool WavWriter::open(const std::string& wavPath, std::string& reason) {
    path = wavPath;
    file = openFile(path, "wb");
    if (!file || !writeHeader()) {
        reason = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool WavWriter::writeHeader() {
    const uint32_t dataBytes = static_cast<uint32_t>(written * sizeof(Sint16));
    std::vector<uint8_t> header;
    ByteWriter out(header);
    out.tag("RIFF");
    out.u32(36 + dataBytes);
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);
    out.u16(1); // PCM
    out.u16(CHANNELS);
    out.u32(SAMPLE_RATE);
    out.u32(SAMPLE_RATE * CHANNELS * BITS / 8);
    out.u16(CHANNELS * BITS / 8);
    out.u16(BITS);
    out.tag("data");
    out.u32(dataBytes);
    return std::fseek(file.get(), 0, SEEK_SET) == 0 &&
           std::fwrite(header.data(), 1, header.size(), file.get()) == header.size() &&
           std::fseek(file.get(), 0, SEEK_END) == 0;
}

bool WavWriter::append(const Sint16* samples, size_t count) {
    if (count == 0)
        return !failed;
    std::vector<uint8_t> bytes;
    bytes.reserve(count * 2);
    ByteWriter out(bytes);
    for (size_t i = 0; i < count; ++i)
        out.u16(static_cast<uint16_t>(samples[i]));
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        failed = true;
    else
        written += count;
    return !failed;
}

bool WavWriter::updateHeader() {
    if (!writeHeader() || std::fflush(file.get()) != 0)
        failed = true;
    return !failed;
}

bool WavWriter::close(std::string& reason) {
    if (!file)
        return true;
    updateHeader();
    const bool closed = closeChecked(file);
    if (failed || !closed) {
        reason = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
