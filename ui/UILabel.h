// A caption, optionally with an image, placed at a point. It has no size, so it never takes a
// mouse event.
#pragma once

#include "ui/UIButton.h"

class UILabel : public UIButton {
public:
    /// The icon's pivot and the text anchor are placed relative to (x, y); a textX or textY of
    /// -1 is resolved from the icon's size or, without one, from the caption's.
    UILabel(int x, int y, UIImage* iconImage, UIFont* font, const char* text, unsigned textAlign,
            int textX, int textY);

    /// Draws the icon at the label's point and the caption at the text anchor.
    void draw() override;
};
