#include "screens/Notice.h"

#include "render/UIFont.h"
#include "render/UIGraphics.h"

void Notice::show(std::string text) {
    shown = std::move(text);
    stepsLeft = SHOWN_STEPS;
}

void Notice::step() {
    if (stepsLeft > 0 && --stepsLeft == 0)
        shown.clear();
}

namespace {
/// Where the outline's copies of the text lie, in pixels from the text.
constexpr float OUTLINE[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
} // namespace

void Notice::draw(UIGraphics& graphics, UIFont& font, float x, float y) const {
    if (shown.empty())
        return;
    const unsigned align = ALIGN_CENTER_X | ALIGN_CENTER_Y;
    graphics.begin2D();
    for (const auto& offset : OUTLINE)
        font.drawTextRGBA(x + offset[0], y + offset[1], align, shown.c_str(), 0, 0, 0, 1, 1);
    font.drawTextRGBA(x, y, align, shown.c_str(), 1.0f, 0.85f, 0.45f, 1, 1);
    graphics.end2D();
}
