#include "ui/UIButton.h"

namespace {

void drawImageAt(UIImage* image, int blend, unsigned flags, int x, int y, const float rgba[4]) {
    image->draw(blend, flags, static_cast<float>(x), static_cast<float>(y), rgba);
}

} // namespace

UIButton::UIButton(int x, int y, UIImage* upImage, UIImage* downImage, UIImage* iconImage,
                   UIFont* font, const char* text, unsigned textAlign, int textX, int textY,
                   int pressedOffsetX, int pressedOffsetY)
    : UIComponent(x, y, 0, 0), upImage(upImage), downImage(downImage), iconImage(iconImage),
      font(font), textAlign(textAlign), textX(textX), textY(textY), pressedOffsetX(pressedOffsetX),
      pressedOffsetY(pressedOffsetY) {
    setText(text);
    if (const UIImage* image = firstImage()) {
        width = image->getWidth();
        height = image->getHeight();
    } else if (caption() && font) {
        width = static_cast<int>(font->textWidth(caption(), 1.0f));
        height = static_cast<int>(font->getLineHeight());
    }
    if (textX == -1)
        this->textX = width / 2;
    if (textY == -1)
        this->textY = height / 2;
}

void UIButton::setText(const char* newText) {
    if (newText)
        text = newText;
    else
        text.reset();
}

void UIButton::setBackgroundColor(float r, float g, float b, float a) {
    backgroundColor[0] = r;
    backgroundColor[1] = g;
    backgroundColor[2] = b;
    backgroundColor[3] = a;
}

void UIButton::setForegroundColor(float r, float g, float b, float a) {
    foregroundColor[0] = r;
    foregroundColor[1] = g;
    foregroundColor[2] = b;
    foregroundColor[3] = a;
}

bool UIButton::isArmed() const {
    return armed;
}

void UIButton::setIconFlags(unsigned flags) {
    iconFlags = flags;
}

void UIButton::mouseDown(int px, int py) {
    UIComponent::mouseDown(px, py);
    armed = contains(px, py);
}

void UIButton::mouseUp(int px, int py) {
    UIComponent::mouseUp(px, py);
    if (armed && contains(px, py))
        notifyActivated();
    armed = false;
}

void UIButton::mouseMove(int px, int py) {
    UIComponent::mouseMove(px, py);
    armed = isPressed() && contains(px, py);
}

void UIButton::draw() {
    drawBackground();
    drawIcon(x + width / 2, y + height / 2);
    if (armed)
        drawCaption(pressedOffsetX, pressedOffsetY);
    else
        drawCaption(0, 0);
}

UIImage* UIButton::firstImage() const {
    if (upImage)
        return upImage;
    return downImage ? downImage : iconImage;
}

void UIButton::drawBackground() const {
    UIImage* background = armed && downImage ? downImage : upImage;
    if (background)
        drawImageAt(background, backgroundBlend, backgroundFlags, x, y, backgroundColor);
}

void UIButton::drawIcon(int atX, int atY) const {
    if (iconImage)
        drawImageAt(iconImage, iconBlend, iconFlags, atX, atY, foregroundColor);
}

void UIButton::drawCaption(int dx, int dy) const {
    if (caption() && font)
        font->drawText(static_cast<float>(x + textX + dx), static_cast<float>(y + textY + dy),
                       textAlign, caption(), foregroundColor, 1.0f);
}

const char* UIButton::caption() const {
    return text ? text->c_str() : nullptr;
}
