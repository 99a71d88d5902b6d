// A UIFont without glyph images: every glyph has the same width, and every drawText call is
// recorded. Widths are measured like the real font's: (glyph width + letter spacing) per byte.
#pragma once

#include "render/UIFont.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

class RecordingFont : public UIFont {
public:
    /// One call of drawText.
    struct Text {
        float x, y;
        unsigned align;
        std::string text;
        std::array<float, 4> rgba;
    };

    /// lineHeight is set at once: no load is needed.
    RecordingFont(int glyphWidth, unsigned height)
        : UIFont("recording", nullptr), glyphWidth(glyphWidth) {
        lineHeight = height;
    }

    bool load() override { return true; }
    bool reload() override { return true; }
    float textWidth(const char* text, float scale) override {
        return text ? static_cast<float>(std::strlen(text)) * (glyphWidth + letterSpacing) * scale
                    : 0;
    }
    void drawText(float x, float y, unsigned align, const char* text, const float rgba[4],
                  float) override {
        texts.push_back({x, y, align, text ? text : "", {rgba[0], rgba[1], rgba[2], rgba[3]}});
    }
    void drawTextRGBA(float x, float y, unsigned align, const char* text, float r, float g, float b,
                      float a, float scale) override {
        const float rgba[4] = {r, g, b, a};
        drawText(x, y, align, text, rgba, scale);
    }

    std::vector<Text> texts; ///< every drawText, in call order

private:
    int glyphWidth;
};
