// A button that keeps a checked state, flipped by each click, and shows a check mark while
// checked. The caption sits left of the box (layout 0), centred on it (1) or right of it (2).
#pragma once

#include "ui/UIButton.h"

#include <utility>

class UICheckBox : public UIButton {
public:
    /// The box image sizes the box (boxDown is shown while armed, check is the mark). A
    /// textX of -1 puts the caption 4 pixels beside the box or on its centre, by layout; a
    /// textY of -1 puts it on the box's middle row.
    UICheckBox(int x, int y, UIImage* boxImage, UIImage* boxDownImage, UIImage* checkImage,
               UIFont* font, const char* text, bool checked, int layout, unsigned textAlign,
               int textX, int textY);

    /// True while checked.
    bool isChecked() const;

    /// Hit test over box and caption as the layout places them; no point for other layouts.
    bool contains(int px, int py) const override;
    /// A click flips the checked state before the listeners hear of it.
    void mouseUp(int px, int py) override;
    /// Draws the box, the caption and, while checked, the mark on the box's centre.
    void draw() override;

private:
    /// Horizontal hit range [first, second) of the layout; empty for unknown layouts.
    std::pair<int, int> horizontalRange() const;

    bool checked;
    int layout;
    int markX = 0;
    int markY = 0;
    int captionWidth = 0;
};
