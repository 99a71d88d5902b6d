// The browser build has no libpng: it writes the PNG itself, uncompressed (zlib's stored
// blocks), which every PNG reader takes. The page's tests read these pictures back.
#include "render/PngFile.h"

#include "io/FileHandle.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
uint32_t crc32(const uint8_t* bytes, size_t count, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < count; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void appendChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
    appendBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    appendBigEndian(out, crc32(&out[start], out.size() - start));
}

// The rows, each after its filter byte 0, in a zlib stream of stored blocks.
std::vector<uint8_t> storedImageData(int width, int height, const std::vector<uint8_t>& pixels) {
    const size_t stride = static_cast<size_t>(width) * 3;
    std::vector<uint8_t> raw;
    raw.reserve((stride + 1) * height);
    for (int row = 0; row < height; ++row) {
        raw.push_back(0);
        raw.insert(raw.end(), &pixels[row * stride], &pixels[row * stride] + stride);
    }
    std::vector<uint8_t> zlib = {0x78, 0x01};
    const size_t blockLimit = 0xFFFF;
    size_t at = 0;
    do {
        const size_t length = std::min(blockLimit, raw.size() - at);
        const auto size = static_cast<uint16_t>(length);
        zlib.push_back(at + length == raw.size() ? 1 : 0); // the last block says so
        zlib.insert(zlib.end(), {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                                 static_cast<uint8_t>(~size), static_cast<uint8_t>(~size >> 8)});
        zlib.insert(zlib.end(), raw.begin() + at, raw.begin() + at + length);
        at += length;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    appendBigEndian(zlib, b << 16 | a);
    return zlib;
}
} // namespace

bool writeRgbPng(const std::string& path, int width, int height, std::vector<uint8_t> pixels,
                 std::string& reason) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    appendBigEndian(header, static_cast<uint32_t>(width));
    appendBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB, no interlace
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", storedImageData(width, height, pixels));
    appendChunk(png, "IEND", {});
    FileHandle file = openFile(path, "wb");
    if (!file) {
        reason = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    if (std::fwrite(png.data(), 1, png.size(), file.get()) != png.size() || !closeChecked(file)) {
        reason = "cannot write " + path;
        return false;
    }
    return true;
}
