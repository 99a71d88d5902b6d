// Saving what the window shows as a PNG file.
#pragma once

#include <string>

/// Reads the buffer being drawn (width x height from the top-left corner) and writes it as
/// an 8-bit RGB PNG; false with a reason naming the file.
bool saveScreenshot(const std::string& path, int width, int height, std::string& reason);
