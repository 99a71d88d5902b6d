// A track with a thumb the user presses or drags along it. The thumb's centre sits at an
// integer pixel position between two limits, offered as a value from 0 to 1. Listeners hear
// componentActivated on every change of position and on a release inside.
#pragma once

#include "ui/UIButton.h"

class UISlider : public UIButton {
public:
    /// Orientation 0 is horizontal, any other vertical. A minPosition or maxPosition of -1 is
    /// derived from the thumb so its ends meet the track's ends; value is clamped to 0..1.
    UISlider(int x, int y, UIImage* trackImage, UIImage* thumbImage, int orientation, double value,
             int minPosition, int maxPosition);

    /// Sets the thumb position, clamped to the limits; listeners are not told.
    void setPosition(int newPosition);
    /// The thumb centre's offset in pixels from the slider's left (or top) edge.
    int getPosition() const;
    /// Sets the position from a value clamped to 0..1 (NaN counts as 0); listeners are not told.
    void setValue(double value);
    /// The value of the position, 0 at minPosition and 1 at maxPosition; 0 when they are equal.
    double getValue() const;

    /// A press inside moves the thumb under the pointer.
    void mouseDown(int px, int py) override;
    /// A release inside after a press moves the thumb under the pointer and is a click.
    void mouseUp(int px, int py) override;
    /// After a press the thumb follows the pointer along the axis, even outside the slider.
    void mouseMove(int px, int py) override;
    /// Draws the track and the thumb centred over the position.
    void draw() override;

private:
    bool isHorizontal() const;
    /// Moves the thumb centre under the pointer and tells the listeners if it moved.
    void moveThumbTo(int px, int py);

    int position = 0;
    int minPosition;
    int maxPosition;
    int orientation;
};
