#include "tests/support/ScreenServices.h"

#include "render/UIFontOpenGLSDL.h"
#include "tests/support/GLWindow.h"

namespace {
std::unique_ptr<UIFont> loadFont(UIGraphicsOpenGLSDL* graphics, const char* path,
                                 int letterSpacing) {
    auto font = std::make_unique<UIFontOpenGLSDL>(graphics, path, nullptr, 16);
    if (!font->load())
        return nullptr;
    font->setLetterSpacing(letterSpacing);
    return font;
}
} // namespace

bool ScreenServices::load() {
    mediumFont = loadFont(&graphics, "data/font_medium.png", 1);
    smallFont = loadFont(&graphics, "data/font_small.png", -1);
    return mediumFont && smallFont;
}

ScreenContext ScreenServices::context() {
    ScreenContext context;
    context.graphics = &graphics;
    context.mediumFont = mediumFont.get();
    context.smallFont = smallFont.get();
    context.random = &random;
    context.width = GLWindow::WIDTH;
    context.height = GLWindow::HEIGHT;
    context.navigator = &navigator;
    return context;
}
