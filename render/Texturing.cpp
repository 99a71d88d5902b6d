#include "render/Texturing.h"

#include "render/GLPlatform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

Uint32& pixelAt(SDL_Surface* surface, int x, int y) {
    Uint8* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
    return reinterpret_cast<Uint32*>(row)[x];
}

Uint32 channel(Uint32 pixel, Uint32 mask) { return (pixel & mask) >> maskShift(mask); }

/// Gives a transparent pixel the mean colour of its opaque 3 x 3 neighbours, if it has any.
void bleedPixel(SDL_Surface* surface, int x, int y) {
    const SDL_PixelFormat* format = surface->format;
    Uint32 red = 0, green = 0, blue = 0, count = 0;
    for (int ny = std::max(0, y - 1); ny <= std::min(surface->h - 1, y + 1); ++ny) {
        for (int nx = std::max(0, x - 1); nx <= std::min(surface->w - 1, x + 1); ++nx) {
            const Uint32 neighbour = pixelAt(surface, nx, ny);
            if (!(neighbour & format->Amask))
                continue;
            red += channel(neighbour, format->Rmask);
            green += channel(neighbour, format->Gmask);
            blue += channel(neighbour, format->Bmask);
            ++count;
        }
    }
    if (count > 0)
        pixelAt(surface, x, y) = (red / count) << maskShift(format->Rmask) |
                                 (green / count) << maskShift(format->Gmask) |
                                 (blue / count) << maskShift(format->Bmask);
}

// Opaque pixels never change and coloured ones stay transparent, so the order of the visit
// does not matter and the pass can work in place.
void bleedColours(SDL_Surface* surface) {
    if (surface->format->Amask == 0)
        return;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            if (!(pixelAt(surface, x, y) & surface->format->Amask))
                bleedPixel(surface, x, y);
}

void replicateEdges(SDL_Surface* surface, int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    const bool padRight = width < surface->w;
    const bool padBelow = height < surface->h;
    if (padRight)
        for (int y = 0; y < height; ++y)
            pixelAt(surface, width, y) = pixelAt(surface, width - 1, y);
    if (padBelow)
        for (int x = 0; x < width; ++x)
            pixelAt(surface, x, height) = pixelAt(surface, x, height - 1);
    if (padRight && padBelow)
        pixelAt(surface, width, height) = pixelAt(surface, width - 1, height - 1);
}

bool hasExtension(const char* extensions, const char* name) {
    const size_t length = std::strlen(name);
    for (const char* found = std::strstr(extensions, name); found;
         found = std::strstr(found + length, name)) {
        const bool startsToken = found == extensions || found[-1] == ' ';
        const bool endsToken = found[length] == '\0' || found[length] == ' ';
        if (startsToken && endsToken)
            return true;
    }
    return false;
}

} // namespace

int maskShift(Uint32 mask) {
    int shift = 0;
    for (; mask && !(mask & 1); mask >>= 1)
        ++shift;
    return shift;
}

unsigned nextPowerOfTwo(unsigned v) {
    v -= 1;
    v |= v >> 16;
    v |= v >> 8;
    v |= v >> 4;
    v |= v >> 2;
    v |= v >> 1;
    return v + 1;
}

SurfacePtr createRGBASurface(int width, int height) {
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    const Uint32 red = 0x000000FF, green = 0x0000FF00, blue = 0x00FF0000, alpha = 0xFF000000;
#else
    const Uint32 red = 0xFF000000, green = 0x00FF0000, blue = 0x0000FF00, alpha = 0x000000FF;
#endif
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, width, height, 32, red,
                                           green, blue, alpha));
}

void bleedEdges(SDL_Surface* surface, const SDL_Rect* content) {
    if (!surface || surface->format->BytesPerPixel != 4 || surface->w < 2 || surface->h < 2)
        return;
    if (!lockPixels(surface))
        return;
    bleedColours(surface);
    if (content)
        replicateEdges(surface, std::min<int>(content->w, surface->w),
                       std::min<int>(content->h, surface->h));
    unlockPixels(surface);
}

GLint edgeClampWrapMode(const char* version, const char* extensions) {
    // OpenGL ES, under WebGL too, has edge clamping from its first version.
    if (version && std::strncmp(version, "OpenGL ES", 9) == 0)
        return GL_CLAMP_TO_EDGE;
    int major = 0, minor = 0;
    if (version && std::sscanf(version, "%d.%d", &major, &minor) == 2 &&
        (major > 1 || (major == 1 && minor >= 2)))
        return GL_CLAMP_TO_EDGE;
    if (extensions && (hasExtension(extensions, "GL_EXT_texture_edge_clamp") ||
                       hasExtension(extensions, "GL_SGIS_texture_edge_clamp")))
        return GL_CLAMP_TO_EDGE;
    return GL_CLAMP;
}
