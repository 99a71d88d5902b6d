// A screen's widget manager: owns the widgets, keeps which are visible, hands them the mouse
// events and draws them. Widgets report to their own listeners; the manager only decides
// which widgets see an event. The visible set is ordered by widget address, and dispatch and
// drawing walk it in that order (later widgets are drawn on top).
#pragma once

#include "render/UIGraphics.h"
#include "ui/UIComponent.h"

#include <memory>
#include <set>
#include <vector>

class UI {
public:
    UI() = default;
    /// Destroys the widgets it owns.
    virtual ~UI() = default;
    UI(const UI&) = delete;
    UI& operator=(const UI&) = delete;

    /// Sets the graphics context that brackets draw (not owned; may be null).
    void setGraphics(UIGraphics* newGraphics);
    /// Takes a widget without showing it; returns it for the caller to keep (not own), or null
    /// for null.
    template <class Widget> Widget* addComponent(std::unique_ptr<Widget> widget) {
        Widget* kept = widget.get();
        adopt(std::move(widget));
        return kept;
    }
    /// Takes a widget and shows it; returns it, or null for null.
    template <class Widget> Widget* showComponent(std::unique_ptr<Widget> widget) {
        Widget* kept = addComponent(std::move(widget));
        if (kept)
            visibleComponents.insert(kept);
        return kept;
    }
    /// Shows every owned widget.
    void showAll();
    /// Hides every widget; they stay owned and keep their state.
    void hideAll();
    /// Destroys every widget (a screen unloading) and forgets them all.
    void clear();
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

    void adopt(std::unique_ptr<UIComponent> widget);

    std::vector<std::unique_ptr<UIComponent>> ownedComponents;
    std::set<UIComponent*> visibleComponents;
    UIGraphics* graphics = nullptr;
};
