// A textured rectangle with its own tint, drawn size, rotation, scale and pivot.
#pragma once

#include <SDL.h>

/// Blend modes of the draw operations.
enum BlendMode { BLEND_NORMAL = 0, BLEND_ADD = 1, BLEND_MULTIPLY = 2 };

/// Draw flags of the draw operations.
enum DrawFlags : unsigned {
    DRAW_PLAIN = 1,       ///< no effect of its own; the plain-drawing words carry it
    DRAW_TRANSFORMED = 2, ///< quad built around the origin and translated to (x, y)
    DRAW_ROTATE = 4,      ///< rotate by the image's rotation (transformed draws only)
    DRAW_PIVOT = 8,       ///< the pivot, not the top-left corner, lands on (x, y)
    DRAW_SCALE = 16,      ///< scale by the image's scale (transformed draws only)
};

class UIImage {
public:
    UIImage(int width, int height, int defaultBlendMode, unsigned defaultFlags)
        : width(width), height(height), defaultFlags(defaultFlags),
          defaultBlendMode(defaultBlendMode) {}
    virtual ~UIImage() = default;
    UIImage(const UIImage&) = delete;
    UIImage& operator=(const UIImage&) = delete;

    /// Sets the image's own tint.
    virtual void setColor(float r, float g, float b, float a) = 0;
    /// Sets the tint from bytes (each divided by 255).
    virtual void setColorBytes(Uint8 r, Uint8 g, Uint8 b, Uint8 a) = 0;
    /// Sets the drawn size of untransformed draws.
    virtual void setSize(float width, float height) = 0;
    /// setSize with whole pixels.
    virtual void setSizeInt(unsigned width, unsigned height) = 0;
    /// Sets the rotation in radians used with DRAW_ROTATE.
    virtual void setRotation(float radians) = 0;
    /// Sets the x and y factors used with DRAW_SCALE.
    virtual void setScale(float sx, float sy) = 0;
    /// Sets both scale factors.
    virtual void setScaleUniform(float s) = 0;
    /// Makes picture pixel (px, py) the pivot used with DRAW_PIVOT.
    virtual void setPivot(float px, float py) = 0;
    /// Draws the image at (x, y) with a blend mode, draw flags and colour.
    virtual void draw(int blendMode, unsigned flags, float x, float y, const float rgba[4]) = 0;
    /// draw with the colour given as four floats.
    virtual void drawRGBA(int blendMode, unsigned flags, float x, float y, float r, float g,
                          float b, float a) = 0;
    /// draw with the image's own tint.
    virtual void drawTinted(int blendMode, unsigned flags, float x, float y) = 0;
    /// drawTinted at whole pixels.
    virtual void drawTintedInt(int blendMode, unsigned flags, int x, int y) = 0;
    /// drawTinted with the image's default blend mode and flags.
    virtual void drawAt(float x, float y) = 0;
    /// drawAt at whole pixels.
    virtual void drawAtInt(int x, int y) = 0;

    /// Natural width in pixels.
    int getWidth() const { return width; }
    /// Natural height in pixels.
    int getHeight() const { return height; }

protected:
    int width;
    int height;
    unsigned defaultFlags;
    int defaultBlendMode;
};
