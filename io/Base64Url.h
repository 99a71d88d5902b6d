// The URL-safe base64 alphabet (A-Z a-z 0-9 - _) without padding, as a link's fragment carries
// bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Base64Url {
/// The text for `bytes`.
std::string encode(const std::vector<uint8_t>& bytes);
/// The bytes of `text`; false for a character outside the alphabet or a length no encoding
/// gives.
bool decode(const std::string& text, std::vector<uint8_t>& bytes);
} // namespace Base64Url
