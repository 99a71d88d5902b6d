// An image held in one OpenGL texture, drawn as one textured triangle strip.
#pragma once

#include "render/UIImage.h"

#include <GL/gl.h>

class UIImageOpenGL : public UIImage {
public:
    /// Wraps a texture (taking ownership) whose picture spans the extents s0, t0, s1, t1;
    /// `flags` become the default draw flags.
    UIImageOpenGL(unsigned width, unsigned height, unsigned flags, GLuint texture,
                  const float extents[4]);
    /// Deletes the texture; the GL context must still exist.
    ~UIImageOpenGL() override;

    void setColor(float r, float g, float b, float a) override;
    void setColorBytes(Uint8 r, Uint8 g, Uint8 b, Uint8 a) override;
    void setSize(float width, float height) override;
    void setSizeInt(unsigned width, unsigned height) override;
    void setRotation(float radians) override;
    void setScale(float sx, float sy) override;
    void setScaleUniform(float s) override;
    void setPivot(float px, float py) override;
    void draw(int blendMode, unsigned flags, float x, float y, const float rgba[4]) override;
    void drawRGBA(int blendMode, unsigned flags, float x, float y, float r, float g, float b,
                  float a) override;
    void drawTinted(int blendMode, unsigned flags, float x, float y) override;
    void drawTintedInt(int blendMode, unsigned flags, int x, int y) override;
    void drawAt(float x, float y) override;
    void drawAtInt(int x, int y) override;

    /// The texture object holding the picture.
    GLuint getTexture() const { return texture; }
    /// Texture coordinates s0, t0, s1, t1 of the picture's left, top, right and bottom.
    const float* getExtents() const { return extents; }
    /// Left, top, right and bottom of the quad that puts the pivot at the origin (the
    /// geometry of DRAW_PIVOT draws before they are moved, rotated and scaled).
    void getPivotedQuad(float quad[4]) const;

private:
    void drawQuad(float left, float top, float right, float bottom) const;
    void drawTransformed(unsigned flags, float x, float y) const;

    GLuint texture;
    float extents[4];
    float corners[4];
    float color[4] = {1, 1, 1, 1};
    float size[2];
    float rotation = 0;
    float scale[2] = {1, 1};
    float pivotOffset[2] = {0, 0};
};
