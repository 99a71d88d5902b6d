// A short message over the picture for a few seconds: what went wrong with a save or a load,
// where the player looks rather than on a console they never see. Its time is counted in the
// screen's steps, so a replay shows it in the same frames.
#pragma once

#include <string>

class UIFont;
class UIGraphics;

class Notice {
public:
    /// How long a notice stays: five seconds of steps.
    static constexpr int SHOWN_STEPS = 5 * 60;

    /// Shows `text` from now on, in place of any notice still shown.
    void show(std::string text);
    /// Counts one step of the time left.
    void step();
    /// The text shown now; empty when there is none.
    const std::string& text() const { return shown; }
    /// Draws the text centred on (x, y) in the font, outlined in black so that it reads on any
    /// part of the scene; nothing when there is no notice.
    void draw(UIGraphics& graphics, UIFont& font, float x, float y) const;

private:
    std::string shown;
    int stepsLeft = 0;
};
