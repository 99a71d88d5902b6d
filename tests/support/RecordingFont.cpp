#include "tests/support/RecordingFont.h"

#include "tests/support/DrawOrder.h"

#include <sstream>
#include <utility>

RecordingFont::RecordingFont(int glyphWidth, unsigned newLineHeight)
    : UIFont("recording", nullptr) {
    glyphWidths.fill(glyphWidth);
    lineHeight = newLineHeight;
}

void RecordingFont::setGlyphWidth(unsigned char byte, int width) {
    glyphWidths[byte] = width;
}

bool RecordingFont::load() {
    return reload();
}

bool RecordingFont::reload() {
    loaded = true;
    return true;
}

float RecordingFont::textWidth(const char* text, float scale) {
    float sum = 0.0f;
    for (const char* p = text; p && *p; ++p)
        sum += (glyphWidths[static_cast<unsigned char>(*p)] + letterSpacing) * scale;
    return sum;
}

void RecordingFont::drawText(float x, float y, unsigned align, const char* text,
                             const float rgba[4], float scale) {
    texts.push_back({x,
                     y,
                     align,
                     text ? text : "",
                     text == nullptr,
                     {rgba[0], rgba[1], rgba[2], rgba[3]},
                     scale,
                     nextDrawOrder()});
}

void RecordingFont::drawTextRGBA(float x, float y, unsigned align, const char* text, float r,
                                 float g, float b, float a, float scale) {
    const float rgba[4] = {r, g, b, a};
    drawText(x, y, align, text, rgba, scale);
}

std::vector<std::string> RecordingFont::takeTexts() {
    std::vector<std::string> lines;
    for (const Text& t : std::exchange(texts, {})) {
        std::ostringstream line;
        line << (t.isNull ? "null" : "'" + t.text + "'") << " at " << t.x << ',' << t.y << " align "
             << t.align << " rgba " << t.rgba[0] << ',' << t.rgba[1] << ',' << t.rgba[2] << ','
             << t.rgba[3] << " scale " << t.scale;
        lines.push_back(line.str());
    }
    return lines;
}
