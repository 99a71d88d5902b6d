#include "render/Screenshot.h"

#include "render/PngFile.h"

#include <GL/gl.h>

#include <vector>

void readScreenPixels(int width, int height, uint8_t* rgb) {
    // Read as RGBA, the one format WebGL reads back too. OpenGL rows run bottom to top;
    // pictures and files top to bottom.
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    uint8_t* out = rgb;
    for (int row = height - 1; row >= 0; --row) {
        const uint8_t* in = &rgba[static_cast<size_t>(row) * width * 4];
        for (int x = 0; x < width; ++x, in += 4) {
            *out++ = in[0];
            *out++ = in[1];
            *out++ = in[2];
        }
    }
}

bool saveScreenshot(const std::string& path, int width, int height, std::string& reason) {
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    readScreenPixels(width, height, rgb.data());
    return writeRgbPng(path, width, height, rgb, reason);
}
