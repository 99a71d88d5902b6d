#include "render/PngFile.h"

#include "io/FileHandle.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
bool writePng(FILE* file, int width, int height, std::vector<png_byte>& pixels) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_bytep> rows(height);
    for (int row = 0; row < height; ++row)
        rows[row] = &pixels[static_cast<size_t>(row) * width * 3];
    // libpng reports errors by jumping back here; nothing with a destructor is made after.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
} // namespace

bool writeRgbPng(const std::string& path, int width, int height, std::vector<uint8_t> pixels,
                 std::string& reason) {
    FileHandle file = openFile(path, "wb");
    if (!file) {
        reason = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!writePng(file.get(), width, height, pixels) || !closeChecked(file)) {
        reason = "cannot write " + path;
        return false;
    }
    return true;
}
