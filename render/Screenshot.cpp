#include "render/Screenshot.h"

#include "render/PngFile.h"

#include <GL/gl.h>

#include <cstring>
#include <vector>

#ifndef GL_PACK_INVERT_MESA
#define GL_PACK_INVERT_MESA 0x8758
#endif

namespace {
/// Whether the context reads rows top to bottom on request (GL_MESA_pack_invert).
bool hasPackInvert() {
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions && std::strstr(extensions, "GL_MESA_pack_invert");
}
} // namespace

void readScreenPixels(int width, int height, uint8_t* rgb) {
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // OpenGL rows run bottom to top; pictures and files top to bottom. Mesa turns them and
    // drops alpha as it reads, in the time of a plain read.
    if (hasPackInvert()) {
        glPixelStorei(GL_PACK_INVERT_MESA, GL_TRUE);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        glPixelStorei(GL_PACK_INVERT_MESA, GL_FALSE);
        return;
    }
    // Elsewhere read as RGBA, the one format WebGL reads back too.
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
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
