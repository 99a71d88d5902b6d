// The blend function of an image blend mode, set for one scope and restored after it.
#pragma once

class BlendModeScope {
public:
    /// Any mode but BLEND_NORMAL saves the colour-buffer state, then BLEND_ADD and
    /// BLEND_MULTIPLY set their blend function (an unknown mode keeps the current one).
    /// BLEND_NORMAL touches nothing.
    explicit BlendModeScope(int blendMode);
    /// Restores the colour-buffer state saved by the constructor, if it saved any.
    ~BlendModeScope();
    BlendModeScope(const BlendModeScope&) = delete;
    BlendModeScope& operator=(const BlendModeScope&) = delete;

private:
    bool saved;
};
