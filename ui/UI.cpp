#include "ui/UI.h"

void UI::setGraphics(UIGraphics* newGraphics) {
    graphics = newGraphics;
}

void UI::addComponent(UIComponent* component) {
    if (component)
        ownedComponents.insert(component);
}

void UI::showComponent(UIComponent* component) {
    if (!component)
        return;
    ownedComponents.insert(component);
    visibleComponents.insert(component);
}

void UI::showAll() {
    visibleComponents = ownedComponents;
}

void UI::hideAll() {
    visibleComponents.clear();
}

void UI::deleteAll() {
    for (UIComponent* component : ownedComponents)
        delete component;
    ownedComponents.clear();
    visibleComponents.clear();
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
