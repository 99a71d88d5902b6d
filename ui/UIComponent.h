// The base of every widget: a rectangle in window pixels, a pressed state and the listeners
// it reports presses, releases and drags to.
#pragma once

#include "render/UIImage.h"
#include "ui/UIEventListener.h"

#include <set>

class UIComponent {
public:
    UIComponent(int x, int y, int width, int height);
    virtual ~UIComponent() = default;
    UIComponent(const UIComponent&) = delete;
    UIComponent& operator=(const UIComponent&) = delete;

    /// Moves the left edge to x.
    virtual void setX(int x);
    /// Moves the top edge to y.
    virtual void setY(int y);
    /// Sets the width in pixels.
    virtual void setWidth(int width);
    /// Sets the height in pixels.
    virtual void setHeight(int height);
    /// Left edge in window pixels.
    virtual int getX() const;
    /// Top edge in window pixels.
    virtual int getY() const;
    /// Width in pixels.
    virtual int getWidth() const;
    /// Height in pixels.
    virtual int getHeight() const;
    /// True when the point lies inside the widget; a widget of size 0 contains no point.
    virtual bool contains(int px, int py) const;
    /// True between a press inside the widget and the next release anywhere.
    virtual bool isPressed() const;
    /// Registers a listener (not owned); adding it again or adding null changes nothing.
    virtual void addListener(UIEventListener* listener);
    /// Unregisters a listener if it is registered.
    virtual void removeListener(UIEventListener* listener);
    /// Unregisters every listener.
    virtual void removeAllListeners();
    /// A press inside sets the pressed state and tells the listeners.
    virtual void mouseDown(int px, int py);
    /// A release anywhere ends the press and tells the listeners.
    virtual void mouseUp(int px, int py);
    /// Motion anywhere while pressed tells the listeners of the drag.
    virtual void mouseMove(int px, int py);
    /// Draws the widget; the plain component draws nothing.
    virtual void draw();

protected:
    /// Calls componentActivated on every listener.
    void notifyActivated();

    int x;
    int y;
    int width;
    int height;
    int backgroundBlend = 0;
    unsigned backgroundFlags = DRAW_PLAIN | DRAW_PIVOT;
    bool pressed = false;
    std::set<UIEventListener*> listeners;
};
