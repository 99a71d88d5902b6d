// A screen's widget manager: owns the widgets, keeps which are visible, hands them the mouse
// events and draws them. Widgets report to their own listeners; the manager only decides
// which widgets see an event. Both sets are ordered by widget address, and dispatch and
// drawing walk the visible set in that order (later widgets are drawn on top).
#pragma once

#include "render/UIGraphics.h"
#include "ui/UIComponent.h"

#include <set>

class UI {
public:
    UI() = default;
    /// Releases the sets only: owned widgets are destroyed by deleteAll, not here.
    virtual ~UI() = default;
    UI(const UI&) = delete;
    UI& operator=(const UI&) = delete;

    /// Sets the graphics context that brackets draw (not owned; may be null).
    void setGraphics(UIGraphics* newGraphics);
    /// Takes ownership of a widget without showing it; null and repeats are ignored.
    void addComponent(UIComponent* component);
    /// Takes ownership of a widget and shows it; null is ignored.
    void showComponent(UIComponent* component);
    /// Shows every owned widget.
    void showAll();
    /// Hides every widget; they stay owned and keep their state.
    void hideAll();
    /// Destroys every owned widget and forgets them all.
    void deleteAll();
    /// Presses every visible widget containing the point; true if there was one.
    bool mouseDown(int x, int y);
    /// Releases every visible widget; true if one of them was pressed.
    bool mouseUp(int x, int y);
    /// Moves over every visible widget; true if one of them was pressed.
    bool mouseMove(int x, int y);
    /// Draws the visible widgets, inside begin2D / end2D when a graphics context is set.
    void draw();

private:
    /// Calls an event on every visible widget; true if one was pressed before its call.
    bool dispatchToAll(void (UIComponent::*event)(int, int), int x, int y);

    std::set<UIComponent*> ownedComponents;
    std::set<UIComponent*> visibleComponents;
    UIGraphics* graphics = nullptr;
};
