#include "render/Screenshot.h"

#include "render/PngFile.h"

#include <GL/gl.h>

#include <cstring>
#include <vector>

std::vector<uint8_t> readScreenPixels(int width, int height) {
    // OpenGL rows run bottom to top; pictures and files top to bottom.
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    std::vector<uint8_t> flipped(pixels.size());
    const size_t stride = static_cast<size_t>(width) * 3;
    for (int row = 0; row < height; ++row)
        std::memcpy(&flipped[row * stride], &pixels[(height - 1 - row) * stride], stride);
    return flipped;
}

bool saveScreenshot(const std::string& path, int width, int height, std::string& reason) {
    return writeRgbPng(path, width, height, readScreenPixels(width, height), reason);
}
