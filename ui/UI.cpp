#include "ui/UI.h"

void UI::setGraphics(UIGraphics* newGraphics) {
    graphics = newGraphics;
}

void UI::adopt(std::unique_ptr<UIComponent> widget) {
    if (widget)
        ownedComponents.push_back(std::move(widget));
}

void UI::showAll() {
    for (const auto& component : ownedComponents)
        visibleComponents.insert(component.get());
}

void UI::hideAll() {
    visibleComponents.clear();
}

void UI::clear() {
    visibleComponents.clear();
    ownedComponents.clear();
}

bool UI::mouseDown(int x, int y) {
    bool hit = false;
    for (UIComponent* component : visibleComponents) {
        if (component->contains(x, y)) {
            component->mouseDown(x, y);
            hit = true;
        }
    }
    return hit;
}

bool UI::mouseUp(int x, int y) {
    return dispatchToAll(&UIComponent::mouseUp, x, y);
}

bool UI::mouseMove(int x, int y) {
    return dispatchToAll(&UIComponent::mouseMove, x, y);
}

void UI::draw() {
    if (graphics)
        graphics->begin2D();
    for (UIComponent* component : visibleComponents)
        component->draw();
    if (graphics)
        graphics->end2D();
}

bool UI::dispatchToAll(void (UIComponent::*event)(int, int), int x, int y) {
    bool pressedOne = false;
    for (UIComponent* component : visibleComponents) {
        if (component->isPressed())
            pressedOne = true;
        (component->*event)(x, y);
    }
    return pressedOne;
}
