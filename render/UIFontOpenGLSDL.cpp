#include "render/UIFontOpenGLSDL.h"

#include "render/GLPlatform.h"
#include "render/Texturing.h"
#include "render/UIGraphicsOpenGLSDL.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Glyphs are smoothed when scaled and never sample past their cell.
const unsigned GLYPH_LOAD_FLAGS = LOAD_LINEAR | LOAD_CLAMP;
// 19: transformed and scaled with the top-left corner at the pen (bit 1 changes nothing).
const unsigned GLYPH_DRAW_FLAGS = DRAW_PLAIN | DRAW_TRANSFORMED | DRAW_SCALE;
// SDL 1.2 rectangles place a cell with a 16-bit top and size it with a 16-bit side.
const long long MAX_CELL_TOP = 0x7FFF;
const int MAX_CELL_SIDE = 0xFFFF;

// Whole bytes per pixel and rows long enough for every pixel (SDL 1.2 keeps the pitch in 16 bits,
// so a very wide surface can have rows shorter than its width).
bool hasReadablePixels(const SDL_Surface* surface) {
    const SDL_PixelFormat* format = surface->format;
    return surface->pixels && format && format->BytesPerPixel >= 1 && format->BytesPerPixel <= 4 &&
           format->BitsPerPixel >= 8 && surface->pitch >= surface->w * format->BytesPerPixel;
}

Uint32 readPixel(const Uint8* bytes, int bytesPerPixel) {
    switch (bytesPerPixel) {
    case 1:
        return bytes[0];
    case 2: {
        Uint16 value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    case 3:
        return SDL_BYTEORDER == SDL_LIL_ENDIAN ? bytes[0] | bytes[1] << 8 | bytes[2] << 16
                                               : bytes[0] << 16 | bytes[1] << 8 | bytes[2];
    default: {
        Uint32 value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    }
}

bool isInk(SDL_PixelFormat* format, Uint32 pixel, bool perPixelAlpha, Uint8 alphaThreshold) {
    // SDL does not check palette indices; one past the palette is no colour at all.
    if (format->palette && pixel >= static_cast<Uint32>(format->palette->ncolors))
        return false;
    Uint8 r, g, b, a;
    SDL_GetRGBA(pixel, format, &r, &g, &b, &a);
    return perPixelAlpha ? a > alphaThreshold : (r | g | b) != 0;
}

struct InkColumns {
    int first = 0;
    int last = -1; // before first: no ink
};

// Scans the rows top..bottom-1 of a locked, readable sheet across its whole width.
InkColumns findInkColumns(SDL_Surface* sheet, int top, int bottom, Uint8 alphaThreshold) {
    const int bytesPerPixel = sheet->format->BytesPerPixel;
    const bool perPixelAlpha = sheet->flags & SDL_SRCALPHA;
    InkColumns ink;
    ink.first = sheet->w;
    for (int y = top; y < bottom; ++y) {
        const Uint8* row = static_cast<const Uint8*>(sheet->pixels) + y * sheet->pitch;
        for (int x = 0; x < sheet->w; ++x) {
            const Uint32 pixel = readPixel(row + x * bytesPerPixel, bytesPerPixel);
            if (isInk(sheet->format, pixel, perPixelAlpha, alphaThreshold)) {
                ink.first = std::min(ink.first, x);
                ink.last = std::max(ink.last, x);
            }
        }
    }
    return ink;
}

} // namespace

UIFontOpenGLSDL::UIFontOpenGLSDL(UIGraphicsOpenGLSDL* graphics, const char* path,
                                 const char* charset, Uint8 alphaThreshold)
    : UIFont(path, charset), graphics(graphics), alphaThreshold(alphaThreshold) {}

bool UIFontOpenGLSDL::load() {
    return reload();
}

bool UIFontOpenGLSDL::reload() {
    glyphs.clear();
    loaded = false;
    lineHeight = 0;
    const SurfacePtr sheet(graphics->loadSurface(path.c_str()));
    if (!sheet || !cutGlyphs(sheet.get())) {
        glyphs.clear();
        return false;
    }
    lineHeight = sheet->w;
    loaded = true;
    return true;
}

bool UIFontOpenGLSDL::cutGlyphs(SDL_Surface* sheet) {
    const int cellSide = sheet->w;
    if (cellSide <= 0 || cellSide > MAX_CELL_SIDE)
        return false;
    const int count = sheet->h / cellSide;
    if (count == 0 || static_cast<long long>(count - 1) * cellSide > MAX_CELL_TOP)
        return false;
    glyphs.reserve(count);
    for (int cell = 0; cell < count; ++cell) {
        const GlyphSpan span = measureGlyph(sheet, cell, alphaThreshold);
        const SDL_Rect area = {static_cast<Sint16>(span.x), static_cast<Sint16>(cell * cellSide),
                               static_cast<Uint16>(span.width), static_cast<Uint16>(cellSide)};
        std::unique_ptr<UIImage> glyph(graphics->createImage(sheet, GLYPH_LOAD_FLAGS, &area));
        if (!glyph)
            return false;
        glyphs.push_back(std::move(glyph));
    }
    return true;
}

GlyphSpan UIFontOpenGLSDL::measureGlyph(SDL_Surface* sheet, int cell, Uint8 alphaThreshold) {
    const int cellSide = sheet ? sheet->w : 0;
    const GlyphSpan blank = {0, cellSide / 3};
    const long long top = static_cast<long long>(cell) * cellSide;
    if (!sheet || cell < 0 || top >= sheet->h || !lockPixels(sheet))
        return blank;
    InkColumns ink;
    if (hasReadablePixels(sheet)) {
        const int bottom = static_cast<int>(std::min<long long>(top + cellSide, sheet->h));
        ink = findInkColumns(sheet, static_cast<int>(top), bottom, alphaThreshold);
    }
    unlockPixels(sheet);
    return ink.last < ink.first ? blank : GlyphSpan{ink.first, ink.last - ink.first + 1};
}

float UIFontOpenGLSDL::textWidth(const char* text, float scale) {
    if (!text || glyphs.empty())
        return 0;
    float width = 0;
    for (const char* c = text; *c; ++c)
        width += advance(glyphFor(*c), scale);
    return width;
}

void UIFontOpenGLSDL::drawText(float x, float y, unsigned align, const char* text,
                               const float rgba[4], float scale) {
    if (!text || glyphs.empty())
        return;
    if (align & (ALIGN_CENTER_X | ALIGN_RIGHT)) {
        const float width = textWidth(text, scale);
        x -= (align & ALIGN_CENTER_X) ? width / 2 : width;
    }
    if (align & (ALIGN_CENTER_Y | ALIGN_BOTTOM)) {
        const float height = lineHeight * scale;
        y -= (align & ALIGN_CENTER_Y) ? height / 2 : height;
    }
    for (const char* c = text; *c; ++c) {
        UIImage& glyph = glyphFor(*c);
        glyph.setScaleUniform(scale);
        glyph.draw(BLEND_NORMAL, GLYPH_DRAW_FLAGS, x, y, rgba);
        x += advance(glyph, scale);
    }
}

void UIFontOpenGLSDL::drawTextRGBA(float x, float y, unsigned align, const char* text, float r,
                                   float g, float b, float a, float scale) {
    const float rgba[4] = {r, g, b, a};
    drawText(x, y, align, text, rgba, scale);
}

// A set longer than the sheet has cells maps its extra characters to the first glyph.
UIImage& UIFontOpenGLSDL::glyphFor(unsigned char byte) const {
    const Uint8 index = charIndex[byte];
    return *glyphs[index < glyphs.size() ? index : 0];
}

float UIFontOpenGLSDL::advance(const UIImage& glyph, float scale) const {
    return (glyph.getWidth() + letterSpacing) * scale;
}
