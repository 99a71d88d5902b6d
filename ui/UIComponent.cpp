#include "ui/UIComponent.h"

UIComponent::UIComponent(int x, int y, int width, int height)
    : x(x), y(y), width(width), height(height) {}

void UIComponent::setX(int newX) {
    x = newX;
}

void UIComponent::setY(int newY) {
    y = newY;
}

void UIComponent::setWidth(int newWidth) {
    width = newWidth;
}

void UIComponent::setHeight(int newHeight) {
    height = newHeight;
}

int UIComponent::getX() const {
    return x;
}

int UIComponent::getY() const {
    return y;
}

int UIComponent::getWidth() const {
    return width;
}

int UIComponent::getHeight() const {
    return height;
}

bool UIComponent::contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
}

bool UIComponent::isPressed() const {
    return pressed;
}

void UIComponent::addListener(UIEventListener* listener) {
    if (listener)
        listeners.insert(listener);
}

void UIComponent::removeListener(UIEventListener* listener) {
    listeners.erase(listener);
}

void UIComponent::removeAllListeners() {
    listeners.clear();
}

void UIComponent::mouseDown(int px, int py) {
    if (!contains(px, py))
        return;
    pressed = true;
    for (UIEventListener* listener : listeners)
        listener->componentPressed(this, px, py);
}

void UIComponent::mouseUp(int px, int py) {
    if (!pressed)
        return;
    pressed = false;
    for (UIEventListener* listener : listeners)
        listener->componentReleased(this, px, py);
}

void UIComponent::mouseMove(int px, int py) {
    if (!pressed)
        return;
    for (UIEventListener* listener : listeners)
        listener->componentDragged(this, px, py);
}

void UIComponent::draw() {}

void UIComponent::notifyActivated() {
    for (UIEventListener* listener : listeners)
        listener->componentActivated(this);
}
