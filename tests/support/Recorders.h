// Test doubles for the UI code that draw nothing and record what they are asked: an image, a
// font and an event listener.
#pragma once

#include "ui/UIEventListener.h"
#include "render/UIFont.h"
#include "render/UIImage.h"

#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

/// One recorded image draw or font drawText.
struct Call {
    float x, y;
    std::array<float, 4> rgba;
    unsigned flags; ///< the image's draw flags, or the text's alignment
    int blendMode;
    std::string text;
};

/// A window position of a recorded call.
using Point = std::pair<float, float>;

/// Where the last of the recorded calls went.
inline Point lastAt(const std::vector<Call>& calls) {
    return {calls.back().x, calls.back().y};
}

/// Records every draw; the other draws and the setters, which the UI code does not use, do
/// nothing.
class RecordingImage : public UIImage {
public:
    RecordingImage(int width, int height) : UIImage(width, height, 0, 9) {}

    void draw(int blendMode, unsigned flags, float x, float y, const float rgba[4]) override {
        draws.push_back({x, y, {rgba[0], rgba[1], rgba[2], rgba[3]}, flags, blendMode, ""});
    }
    void drawRGBA(int, unsigned, float, float, float, float, float, float) override {}
    void drawTinted(int, unsigned, float, float) override {}
    void drawTintedInt(int, unsigned, int, int) override {}
    void drawAt(float, float) override {}
    void drawAtInt(int, int) override {}
    void setColor(float, float, float, float) override {}
    void setColorBytes(Uint8, Uint8, Uint8, Uint8) override {}
    void setSize(float, float) override {}
    void setSizeInt(unsigned, unsigned) override {}
    void setRotation(float) override {}
    void setScale(float, float) override {}
    void setScaleUniform(float) override {}
    void setPivot(float, float) override {}

    std::vector<Call> draws; ///< every draw, in call order
};

/// Glyphs all glyphWidth wide, measured like the real font's: (glyph width + letter spacing)
/// per byte. lineHeight is set at once: no load is needed. Records every drawText.
class RecordingFont : public UIFont {
public:
    RecordingFont(int glyphWidth, unsigned height)
        : UIFont("recording", nullptr), glyphWidth(glyphWidth) {
        lineHeight = height;
    }

    bool load() override { return true; }
    bool reload() override { return true; }
    float textWidth(const char* text, float scale) override {
        return text ? std::strlen(text) * (glyphWidth + letterSpacing) * scale : 0;
    }
    void drawText(float x, float y, unsigned align, const char* text, const float rgba[4],
                  float) override {
        texts.push_back({x, y, {rgba[0], rgba[1], rgba[2], rgba[3]}, align, 0, text ? text : ""});
    }
    void drawTextRGBA(float, float, unsigned, const char*, float, float, float, float,
                      float) override {}

    std::vector<Call> texts; ///< every drawText, in call order

private:
    int glyphWidth;
};

/// Records every callback as a line such as "pressed 10 20" or "activated".
class RecordingListener : public UIEventListener {
public:
    void componentActivated(UIComponent*) override { events.push_back("activated"); }
    void componentPressed(UIComponent*, int x, int y) override { record("pressed", x, y); }
    void componentReleased(UIComponent*, int x, int y) override { record("released", x, y); }
    void componentDragged(UIComponent*, int x, int y) override { record("dragged", x, y); }

    std::vector<std::string> events; ///< every callback, in call order

private:
    void record(const char* kind, int x, int y) {
        events.push_back(kind + (" " + std::to_string(x) + " " + std::to_string(y)));
    }
};
