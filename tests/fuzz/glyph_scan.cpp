// Any small surface as a glyph sheet: 8-bit palettes (possibly shorter than the indices
// used), 16, 24 and 32 bits with or without an alpha mask and SDL_SRCALPHA, any pitch. The
// pixels sit in a buffer of exactly pitch x height bytes, so any read outside the surface
// trips AddressSanitizer. The span must match a plain scan of the same bytes.
//
// Input: 8 header bytes, then 3 bytes per palette colour (8-bit only), then the pixels;
// bytes past the end of the input read as 0.
//   0  bits 0-1 depth (8, 16, 24, 32), bit 2 SDL_SRCALPHA, bit 3 alpha mask, bit 4 swapped
//      channel order
//   1  width % 64     2  height % 128     3  cell (signed)     4  alpha threshold
//   5  pitch minus width x bytes per pixel (signed)     6  palette colours     7  surface alpha
#include "render/Texturing.h"
#include "render/UIFontOpenGLSDL.h"
#include "tests/fuzz/FuzzCheck.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {
struct Masks {
    Uint32 r, g, b, a;
};

// Channel masks as image loaders produce them: [depth index][alpha][swapped].
const Masks MASKS[4][2][2] = {
    {{{0, 0, 0, 0}, {0, 0, 0, 0}}, {{0, 0, 0, 0}, {0, 0, 0, 0}}},
    {{{0xF800, 0x07E0, 0x001F, 0}, {0x001F, 0x07E0, 0xF800, 0}},
     {{0x0F00, 0x00F0, 0x000F, 0xF000}, {0x7C00, 0x03E0, 0x001F, 0x8000}}},
    {{{0xFF0000, 0x00FF00, 0x0000FF, 0}, {0x0000FF, 0x00FF00, 0xFF0000, 0}},
     {{0xFC0000, 0x03F000, 0x000FC0, 0x00003F}, {0x00003F, 0x000FC0, 0x03F000, 0xFC0000}}},
    {{{0xFF0000, 0x00FF00, 0x0000FF, 0}, {0x0000FF, 0x00FF00, 0xFF0000, 0}},
     {{0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
      {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}}}};

// The plain scan: every pixel of the cell's rows, little-endian, decoded by SDL_GetRGBA.
GlyphSpan expectedSpan(SDL_Surface* sheet, const uint8_t* pixels, int cell, Uint8 threshold) {
    const int side = sheet->w;
    const GlyphSpan blank = {0, side / 3};
    const int bytesPerPixel = sheet->format->BytesPerPixel;
    if (cell < 0 || static_cast<long long>(cell) * side >= sheet->h ||
        sheet->pitch < side * bytesPerPixel)
        return blank;
    const SDL_Palette* palette = sheet->format->palette;
    int first = side, last = -1;
    for (int y = cell * side; y < std::min((cell + 1) * side, sheet->h); ++y)
        for (int x = 0; x < side; ++x) {
            Uint32 pixel = 0;
            for (int byte = 0; byte < bytesPerPixel; ++byte)
                pixel |= Uint32{pixels[y * sheet->pitch + x * bytesPerPixel + byte]} << 8 * byte;
            if (palette && pixel >= static_cast<Uint32>(palette->ncolors))
                continue;
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixel, sheet->format, &r, &g, &b, &a);
            const bool ink = (sheet->flags & SDL_SRCALPHA) ? a > threshold : (r | g | b) != 0;
            if (ink) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    return last < first ? blank : GlyphSpan{first, last - first + 1};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static_assert(SDL_BYTEORDER == SDL_LIL_ENDIAN, "the plain scan reads little-endian pixels");
    size_t position = 0;
    const auto next = [&]() -> uint8_t { return position < size ? data[position++] : 0; };
    const uint8_t format = next();
    const int depthIndex = format & 3;
    const int bytesPerPixel = depthIndex + 1;
    const Masks masks = MASKS[depthIndex][(format >> 3) & 1][(format >> 4) & 1];
    const int width = next() % 64;
    const int height = next() % 128;
    const int cell = static_cast<int8_t>(next());
    const Uint8 threshold = next();
    const int pitch = std::max(0, width * bytesPerPixel + static_cast<int8_t>(next()));
    const int colours = next();
    const Uint8 surfaceAlpha = next();

    std::vector<SDL_Color> palette(colours);
    if (depthIndex == 0)
        for (SDL_Color& colour : palette)
            colour = {next(), next(), next(), 0};
    const size_t pixelBytes = static_cast<size_t>(pitch) * height;
    const std::unique_ptr<uint8_t[]> pixels(new uint8_t[pixelBytes]);
    for (size_t i = 0; i < pixelBytes; ++i)
        pixels[i] = next();

    const SurfacePtr sheet(SDL_CreateRGBSurfaceFrom(pixels.get(), width, height, 8 * bytesPerPixel,
                                                    pitch, masks.r, masks.g, masks.b, masks.a));
    if (!sheet)
        return 0; // a shape the SDL in use refuses (sdl12-compat turns down some empty ones)
    if (depthIndex == 0) {
        SDL_SetColors(sheet.get(), palette.data(), 0, colours);
        sheet->format->palette->ncolors = colours; // a short palette, as a small PNG gives
    }
    SDL_SetAlpha(sheet.get(), (format & 4) ? SDL_SRCALPHA : 0, surfaceAlpha);

    const GlyphSpan span = UIFontOpenGLSDL::measureGlyph(sheet.get(), cell, threshold);
    const GlyphSpan expected = expectedSpan(sheet.get(), pixels.get(), cell, threshold);
    require(span.x == expected.x && span.width == expected.width, "the span of the inked columns");
    require(span.x >= 0 && span.x + span.width <= width, "the span lies within the cell");
    require(sheet->locked == 0, "the sheet is unlocked again");
    return 0;
}
