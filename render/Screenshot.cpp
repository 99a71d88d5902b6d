#include "render/Screenshot.h"

#include "render/PngFile.h"

#include <GL/gl.h>

#include <vector>

std::vector<uint8_t> readScreenPixels(int width, int height) {
    // Read as RGBA, the one format WebGL reads back too. OpenGL rows run bottom to top;
    // pictures and files top to bottom.
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    uint8_t* out = rgb.data();
    for (int row = height - 1; row >= 0; --row) {
        const uint8_t* in = &rgba[static_cast<size_t>(row) * width * 4];
        for (int x = 0; x < width; ++x, in += 4) {
            *out++ = in[0];
            *out++ = in[1];
            *out++ = in[2];
        }
    }
    return rgb;
}

bool saveScreenshot(const std::string& path, int width, int height, std::string& reason) {
    return writeRgbPng(path, width, height, readScreenPixels(width, height), reason);
}
