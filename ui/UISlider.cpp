#include "ui/UISlider.h"

namespace {

// Written so that NaN falls to 0 too.
double clampUnit(double value) {
    if (!(value > 0.0))
        return 0.0;
    return value > 1.0 ? 1.0 : value;
}

} // namespace

UISlider::UISlider(int x, int y, UIImage* trackImage, UIImage* thumbImage, int orientation,
                   double value, int minPosition, int maxPosition)
    : UIButton(x, y, trackImage, nullptr, thumbImage, nullptr, nullptr, 0, 0, 0, 0, 0),
      minPosition(minPosition), maxPosition(maxPosition), orientation(orientation) {
    iconFlags = DRAW_PLAIN;
    if (thumbImage) {
        const int thumbLength = isHorizontal() ? thumbImage->getWidth() : thumbImage->getHeight();
        const int trackLength = isHorizontal() ? width : height;
        if (minPosition == -1)
            this->minPosition = thumbLength / 2;
        if (maxPosition == -1)
            this->maxPosition = trackLength - thumbLength / 2;
    }
    setValue(value);
}

void UISlider::setPosition(int newPosition) {
    position = newPosition;
    if (position < minPosition)
        position = minPosition;
    if (position > maxPosition)
        position = maxPosition;
}

int UISlider::getPosition() const {
    return position;
}

void UISlider::setValue(double value) {
    // One part of 0..1 per pixel position: the span is one more than the distance between
    // the limits, and 1 lands one past maxPosition, where the clamp brings it back.
    const double span = static_cast<double>(maxPosition) - minPosition + 1.0;
    setPosition(static_cast<int>(span * clampUnit(value) + minPosition));
}

double UISlider::getValue() const {
    if (maxPosition == minPosition)
        return 0.0;
    return static_cast<double>(position - minPosition) /
           static_cast<double>(maxPosition - minPosition);
}

void UISlider::mouseDown(int px, int py) {
    UIButton::mouseDown(px, py);
    if (armed)
        moveThumbTo(px, py);
}

void UISlider::mouseUp(int px, int py) {
    if (armed && contains(px, py))
        moveThumbTo(px, py);
    UIButton::mouseUp(px, py);
}

void UISlider::mouseMove(int px, int py) {
    if (armed)
        moveThumbTo(px, py);
    // The component's motion, not the button's: the slider stays armed until the release.
    UIComponent::mouseMove(px, py);
}

void UISlider::draw() {
    drawBackground();
    if (!iconImage)
        return;
    if (isHorizontal())
        drawIcon(x + position - iconImage->getWidth() / 2, y);
    else
        drawIcon(x, y + position - iconImage->getHeight() / 2);
}

bool UISlider::isHorizontal() const {
    return orientation == 0;
}

void UISlider::moveThumbTo(int px, int py) {
    const int previous = position;
    setPosition(isHorizontal() ? px - getX() : py - getY());
    if (position != previous)
        notifyActivated();
}
