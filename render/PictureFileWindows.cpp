// SDL_image is not built for Windows here; the pictures are PNG files, which libpng (already
// linked for screenshots) decodes into the same 32-bit RGBA surfaces SDL_image makes.
#include "render/PictureFile.h"

#include "io/FileHandle.h"

#include <png.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {
std::vector<uint8_t> readAll(SDL_RWops* source) {
    std::vector<uint8_t> bytes;
    uint8_t chunk[65536];
    int count;
    while ((count = SDL_RWread(source, chunk, 1, sizeof chunk)) > 0)
        bytes.insert(bytes.end(), chunk, chunk + count);
    return bytes;
}

SDL_Surface* decodePng(const std::vector<uint8_t>& bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return nullptr;
    image.format = PNG_FORMAT_RGBA;
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, image.width, image.height, 32,
                                                0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
    if (!surface) {
        png_image_free(&image);
        return nullptr;
    }
    if (!png_image_finish_read(&image, nullptr, surface->pixels, surface->pitch, nullptr)) {
        png_image_free(&image);
        SDL_FreeSurface(surface);
        return nullptr;
    }
    return surface;
}

SDL_Surface* decodePngOrSayWhy(const std::vector<uint8_t>& bytes) {
    SDL_Surface* surface = decodePng(bytes);
    if (!surface)
        SDL_SetError("not a PNG picture");
    return surface;
}
} // namespace

SDL_Surface* decodePicture(SDL_RWops* source, bool freeSource) {
    if (!source)
        return nullptr;
    const std::vector<uint8_t> bytes = readAll(source);
    if (freeSource)
        SDL_RWclose(source);
    return decodePngOrSayWhy(bytes);
}

// SDL 1.2 opens files through the ANSI API, which cannot name every folder: the file is read
// here through the wide one.
SDL_Surface* loadPictureFile(const char* path) {
    const FileHandle file = openFile(path, "rb");
    std::vector<uint8_t> bytes;
    if (!file || !readToEnd(file.get(), bytes)) {
        SDL_SetError("cannot read %s: %s", path, std::strerror(errno));
        return nullptr;
    }
    return decodePngOrSayWhy(bytes);
}
