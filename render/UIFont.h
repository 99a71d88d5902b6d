// A bitmap font: one image per character, cut from a glyph sheet, drawn on one line.
#pragma once

#include "render/UIImage.h"

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

/// Text alignment bits of drawText.
enum TextAlign : unsigned {
    ALIGN_CENTER_X = 1, ///< centre horizontally on x
    ALIGN_RIGHT = 2,    ///< right-align on x (ignored with ALIGN_CENTER_X)
    ALIGN_CENTER_Y = 4, ///< centre vertically on y
    ALIGN_BOTTOM = 8,   ///< bottom on y (ignored with ALIGN_CENTER_Y)
};

class UIFont {
public:
    /// The 95 printable ASCII characters, then å ä ö Å Ä Ö in ISO 8859-1 (not DEFAULT_CHARSET:
    /// Windows' headers make that a macro).
    static const char* const STANDARD_CHARSET;

    /// Remembers the sheet's path and builds the character table; a null charset is the default.
    UIFont(const char* path, const char* charset);
    virtual ~UIFont() = default;
    UIFont(const UIFont&) = delete;
    UIFont& operator=(const UIFont&) = delete;

    /// Builds the glyphs; false if the sheet cannot be used.
    virtual bool load() = 0;
    /// Rebuilds the glyphs from the sheet, releasing the old ones first.
    virtual bool reload() = 0;
    /// Width of a text in pixels at a scale, spacing after the last glyph included; 0 for null.
    virtual float textWidth(const char* text, float scale) = 0;
    /// Draws a text on one line, aligned on (x, y) by the TextAlign bits; nothing for null.
    virtual void drawText(float x, float y, unsigned align, const char* text, const float rgba[4],
                          float scale) = 0;
    /// drawText with the colour given as four floats.
    virtual void drawTextRGBA(float x, float y, unsigned align, const char* text, float r,
                              float g, float b, float a, float scale) = 0;

    /// Pixels added after every glyph (1 by default).
    void setLetterSpacing(int pixels) { letterSpacing = pixels; }
    /// Cell size of the sheet in pixels; 0 until loaded.
    unsigned getLineHeight() const { return lineHeight; }
    /// Number of glyphs cut from the sheet; 0 while nothing is loaded.
    unsigned getGlyphCount() const { return static_cast<unsigned>(glyphs.size()); }

protected:
    bool loaded = false;
    std::string path;
    Uint8 charIndex[256];
    std::vector<std::unique_ptr<UIImage>> glyphs;
    int letterSpacing = 1;
    unsigned lineHeight = 0;
};
