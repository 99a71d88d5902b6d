#include "ui/UICheckBox.h"

#include <algorithm>

namespace {

constexpr int captionGap = 4;

} // namespace

UICheckBox::UICheckBox(int x, int y, UIImage* boxImage, UIImage* boxDownImage, UIImage* checkImage,
                       UIFont* font, const char* text, bool checked, int layout, unsigned textAlign,
                       int textX, int textY)
    : UIButton(x, y, boxImage, boxDownImage, checkImage, font, text, textAlign, textX, textY, 0, 0),
      checked(checked), layout(layout) {
    // The box alone, even when the button sized itself from the caption.
    const UIImage* box = firstImage();
    int w = box ? box->getWidth() : 0;
    int h = box ? box->getHeight() : 0;
    markX = w / 2;
    if (textX == -1) {
        if (layout == 0)
            this->textX = -captionGap;
        else if (layout == 1)
            this->textX = w / 2;
        else if (layout == 2)
            this->textX = w + captionGap;
    }
    if (textY == -1)
        this->textY = h / 2;
    if (caption() && font) {
        captionWidth = static_cast<int>(font->textWidth(caption(), 1.0f));
        if (layout == 0 || layout == 2)
            w += captionWidth + captionGap;
        else if (layout == 1)
            w = std::max(w, captionWidth);
        h = std::max(h, static_cast<int>(font->getLineHeight()));
    }
    markY = h / 2;
    width = w;
    height = h;
}

bool UICheckBox::isChecked() const {
    return checked;
}

bool UICheckBox::contains(int px, int py) const {
    const auto [left, right] = horizontalRange();
    return px >= left && px < right && py >= y && py < y + height;
}

void UICheckBox::mouseUp(int px, int py) {
    if (armed && contains(px, py))
        checked = !checked;
    UIButton::mouseUp(px, py);
}

void UICheckBox::draw() {
    drawBackground();
    drawCaption(0, 0);
    if (checked)
        drawIcon(x + markX, y + markY);
}

std::pair<int, int> UICheckBox::horizontalRange() const {
    switch (layout) {
    case 0:
        return {x + textX - captionWidth, x + textX - captionWidth + width};
    case 1:
        return {x + markX - width / 2, x + markX + width / 2};
    case 2:
        return {x, x + width};
    default:
        return {0, 0};
    }
}
