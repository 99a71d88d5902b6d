#include "sound/WavWriter.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {
constexpr uint32_t SAMPLE_RATE = 44100;
constexpr uint16_t CHANNELS = 2;
constexpr uint16_t BITS = 16;

void put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void putTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }
} // namespace

bool WavWriter::open(const std::string& wavPath, std::string& reason) {
    path = wavPath;
    file.reset(std::fopen(path.c_str(), "wb"));
    if (!file || !writeHeader()) {
        reason = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

bool WavWriter::writeHeader() {
    const uint32_t dataBytes = static_cast<uint32_t>(written * sizeof(Sint16));
    std::vector<uint8_t> header;
    putTag(header, "RIFF");
    put(header, 36 + dataBytes, 4);
    putTag(header, "WAVE");
    putTag(header, "fmt ");
    put(header, 16, 4);
    put(header, 1, 2); // PCM
    put(header, CHANNELS, 2);
    put(header, SAMPLE_RATE, 4);
    put(header, SAMPLE_RATE * CHANNELS * BITS / 8, 4);
    put(header, CHANNELS * BITS / 8, 2);
    put(header, BITS, 2);
    putTag(header, "data");
    put(header, dataBytes, 4);
    return std::fseek(file.get(), 0, SEEK_SET) == 0 &&
           std::fwrite(header.data(), 1, header.size(), file.get()) == header.size() &&
           std::fseek(file.get(), 0, SEEK_END) == 0;
}

bool WavWriter::append(const Sint16* samples, size_t count) {
    std::vector<uint8_t> bytes;
    bytes.reserve(count * 2);
    for (size_t i = 0; i < count; ++i)
        put(bytes, static_cast<uint16_t>(samples[i]), 2);
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
    const bool closed = std::fclose(file.release()) == 0;
    if (failed || !closed) {
        reason = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
