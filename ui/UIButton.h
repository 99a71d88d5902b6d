// A pressable widget with up, down and icon images, a caption and two tints. A click is a
// press inside and a release inside; the pointer may leave and come back in between.
#pragma once

#include "render/UIFont.h"
#include "render/UIImage.h"
#include "ui/UIComponent.h"

#include <optional>
#include <string>

class UIButton : public UIComponent {
public:
    /// Images, font and listeners are not owned; the caption is copied (null means no caption).
    /// The size comes from the first image given, else from the caption and font, else 0 x 0.
    /// A textX or textY of -1 puts the text anchor at half the width or height.
    UIButton(int x, int y, UIImage* upImage, UIImage* downImage, UIImage* iconImage, UIFont* font,
             const char* text, unsigned textAlign, int textX, int textY, int pressedOffsetX,
             int pressedOffsetY);

    /// Keeps a copy of the caption; null leaves no caption.
    void setText(const char* newText);
    /// Sets the tint of the up and down images.
    void setBackgroundColor(float r, float g, float b, float a);
    /// Sets the tint of the icon and the caption.
    void setForegroundColor(float r, float g, float b, float a);
    /// True while pressed with the pointer inside.
    bool isArmed() const;
    /// Sets the draw flags of the icon.
    void setIconFlags(unsigned flags);

    /// A press inside arms the button.
    void mouseDown(int px, int py) override;
    /// A release inside while armed is a click; every release disarms.
    void mouseUp(int px, int py) override;
    /// The button stays armed only while pressed and the pointer is inside.
    void mouseMove(int px, int py) override;
    /// Draws the background (down image while armed), the icon centred and the caption.
    void draw() override;

protected:
    /// The first of the up, down and icon images that is set, or null.
    UIImage* firstImage() const;
    /// Draws the down image while armed and set, else the up image, at the widget's corner.
    void drawBackground() const;
    /// Draws the icon, if set, at a window position.
    void drawIcon(int atX, int atY) const;
    /// Draws the caption at the text anchor moved by (dx, dy), if caption and font are set.
    void drawCaption(int dx, int dy) const;
    /// The caption as a C string, or null without one.
    const char* caption() const;

    bool armed = false;
    UIImage* upImage;
    UIImage* downImage;
    UIImage* iconImage;
    int iconBlend = 0;
    unsigned iconFlags = DRAW_PLAIN | DRAW_TRANSFORMED | DRAW_PIVOT;
    UIFont* font;
    std::optional<std::string> text;
    unsigned textAlign;
    int textX;
    int textY;
    int pressedOffsetX;
    int pressedOffsetY;
    float backgroundColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float foregroundColor[4] = {1.0f, 1.0f, 1.0f, 1.0f};
};
