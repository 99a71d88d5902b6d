// A UIFont without glyph images: glyph widths come from a table, and every drawText call is
// recorded. Widths are measured like the real font: (glyph width + letter spacing) x scale
// per byte, the spacing after the last glyph included.
#pragma once

#include "render/UIFont.h"

#include <array>
#include <string>
#include <vector>

class RecordingFont : public UIFont {
public:
    /// One call of drawText.
    struct Text {
        float x;
        float y;
        unsigned align;
        std::string text; ///< empty for a null text
        bool isNull;
        std::array<float, 4> rgba;
        float scale;
        unsigned order; ///< position in the sequence shared with the other recording doubles
    };

    /// Every byte gets the same glyph width; lineHeight is set at once (no load needed).
    RecordingFont(int glyphWidth, unsigned lineHeight);

    /// Gives one byte its own glyph width.
    void setGlyphWidth(unsigned char byte, int width);

    /// Marks the font loaded; always succeeds.
    bool load() override;
    /// Marks the font loaded; always succeeds.
    bool reload() override;
    float textWidth(const char* text, float scale) override;
    void drawText(float x, float y, unsigned align, const char* text, const float rgba[4],
                  float scale) override;
    void drawTextRGBA(float x, float y, unsigned align, const char* text, float r, float g, float b,
                      float a, float scale) override;

    /// The texts so far as lines like "'ok' at 60,40 align 5 rgba 1,1,1,1 scale 1" (a null
    /// text as "null"); forgets them.
    std::vector<std::string> takeTexts();

    std::vector<Text> texts; ///< every drawText, in call order

private:
    std::array<int, 256> glyphWidths;
};
