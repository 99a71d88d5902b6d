// Saving what the window shows as a PNG file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// Reads the buffer being drawn (width x height from the top-left corner) into `rgb` (room for
/// width x height x 3 bytes) as 8-bit RGB pixels, top row first.
void readScreenPixels(int width, int height, uint8_t* rgb);

/// Reads the buffer being drawn (width x height from the top-left corner) and writes it as
/// an 8-bit RGB PNG; false with a reason naming the file.
bool saveScreenshot(const std::string& path, int width, int height, std::string& reason);
