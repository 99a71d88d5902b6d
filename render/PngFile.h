// Writing 8-bit RGB pictures as PNG files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// Writes width x height RGB pixels, top row first, as a PNG file; false with a reason naming
/// the file.
bool writeRgbPng(const std::string& path, int width, int height, std::vector<uint8_t> pixels,
                 std::string& reason);
