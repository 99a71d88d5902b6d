// The interface through which widgets report to their owner (the screens).
#pragma once

class UIComponent;

class UIEventListener {
public:
    virtual ~UIEventListener() = default;

    /// A button was clicked, or a slider's position changed.
    virtual void componentActivated(UIComponent* source) { (void)source; }
    /// The mouse button went down inside the component.
    virtual void componentPressed(UIComponent* source, int x, int y) {
        (void)source, (void)x, (void)y;
    }
    /// The mouse button went up after a press on the component, anywhere.
    virtual void componentReleased(UIComponent* source, int x, int y) {
        (void)source, (void)x, (void)y;
    }
    /// The mouse moved while the component is pressed.
    virtual void componentDragged(UIComponent* source, int x, int y) {
        (void)source, (void)x, (void)y;
    }
};
