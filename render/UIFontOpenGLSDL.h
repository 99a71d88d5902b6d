// A bitmap font whose glyphs are cut from a glyph sheet into OpenGL images.
#pragma once

#include "render/UIFont.h"

#include <SDL.h>

class UIGraphicsOpenGLSDL;

/// Horizontal part of a glyph-sheet cell that a glyph takes, in pixels from the cell's left.
struct GlyphSpan {
    int x;
    int width;
};

class UIFontOpenGLSDL : public UIFont {
public:
    /// Remembers the graphics context (not owned), the sheet's path, the character set (null for
    /// the default) and the alpha a pixel must exceed to count as ink. Loads nothing.
    UIFontOpenGLSDL(UIGraphicsOpenGLSDL* graphics, const char* path, const char* charset,
                    Uint8 alphaThreshold);

    /// Builds the glyphs from the sheet; false if the sheet cannot be used.
    bool load() override;
    /// Drops the glyphs, then cuts one glyph per square cell of the sheet. False, with no glyphs
    /// kept, if the sheet is missing, lower than it is wide, or a glyph image cannot be made.
    bool reload() override;
    float textWidth(const char* text, float scale) override;
    void drawText(float x, float y, unsigned align, const char* text, const float rgba[4],
                  float scale) override;
    void drawTextRGBA(float x, float y, unsigned align, const char* text, float r, float g, float b,
                      float a, float scale) override;

    /// Span of the inked columns of square cell `cell` of a sheet (cells are as high as the
    /// sheet is wide). Ink is alpha above the threshold when the sheet has SDL_SRCALPHA, else
    /// any non-black colour. A cell without ink, outside the sheet, or a sheet whose pixels
    /// cannot be read gives a blank span: a third of the cell at its left edge. Reads nothing
    /// outside the surface.
    static GlyphSpan measureGlyph(SDL_Surface* sheet, int cell, Uint8 alphaThreshold);

private:
    bool cutGlyphs(SDL_Surface* sheet);
    UIImage& glyphFor(unsigned char byte) const;
    float advance(const UIImage& glyph, float scale) const;

    UIGraphicsOpenGLSDL* graphics;
    Uint8 alphaThreshold;
};
