#include "render/BlendModeScope.h"

#include "render/GLPlatform.h"
#include "render/UIImage.h"

BlendModeScope::BlendModeScope(int blendMode) : saved(blendMode != BLEND_NORMAL) {
    // Every non-zero mode saves the blend function, so even an unknown one leaves it as it was.
    if (!saved)
        return;
    pushDrawState(GL_COLOR_BUFFER_BIT);
    if (blendMode == BLEND_ADD)
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    else if (blendMode == BLEND_MULTIPLY)
        glBlendFunc(GL_ZERO, GL_SRC_COLOR);
}

BlendModeScope::~BlendModeScope() {
    if (saved)
        popDrawState();
}
