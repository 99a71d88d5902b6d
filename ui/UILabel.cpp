#include "ui/UILabel.h"

UILabel::UILabel(int x, int y, UIImage* iconImage, UIFont* font, const char* text,
                 unsigned textAlign, int textX, int textY)
    : UIButton(x, y, nullptr, nullptr, iconImage, font, text, textAlign, textX, textY, 0, 0) {
    width = 0;
    height = 0;
}

void UILabel::draw() {
    drawIcon(x, y);
    drawCaption(0, 0);
}
