#include "io/Base64Url.h"

namespace {
constexpr char ALPHABET[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

int digitValue(char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '-')
        return 62;
    return c == '_' ? 63 : -1;
}
} // namespace

std::string Base64Url::encode(const std::vector<uint8_t>& bytes) {
    std::string text;
    text.reserve((bytes.size() * 4 + 2) / 3);
    uint32_t pending = 0;
    int bits = 0;
    for (const uint8_t byte : bytes) {
        pending = (pending << 8) | byte;
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            text.push_back(ALPHABET[(pending >> bits) & 63]);
        }
    }
    if (bits > 0)
        text.push_back(ALPHABET[(pending << (6 - bits)) & 63]);
    return text;
}

bool Base64Url::decode(const std::string& text, std::vector<uint8_t>& bytes) {
    if (text.size() % 4 == 1)
        return false;
    std::vector<uint8_t> decoded;
    decoded.reserve(text.size() * 3 / 4);
    uint32_t pending = 0;
    int bits = 0;
    for (const char c : text) {
        const int value = digitValue(c);
        if (value < 0)
            return false;
        pending = (pending << 6) | static_cast<uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            decoded.push_back(static_cast<uint8_t>(pending >> bits));
        }
    }
    // The unused low bits of the last character are zero in any encoding.
    if ((pending & ((1u << bits) - 1)) != 0)
        return false;
    bytes = std::move(decoded);
    return true;
}
