#include "render/UIImageOpenGL.h"

#include "render/BlendModeScope.h"

namespace {

// Radians to degrees, as the single-precision factor the rotation has always used.
const float DEGREES_PER_RADIAN = 57.2957763671875f;

} // namespace

UIImageOpenGL::UIImageOpenGL(unsigned width, unsigned height, unsigned flags, GLuint texture,
                             const float extents[4])
    : UIImage(static_cast<int>(width), static_cast<int>(height), BLEND_NORMAL, flags),
      texture(texture), extents{extents[0], extents[1], extents[2], extents[3]},
      corners{-(width / 2.0f), -(height / 2.0f), width / 2.0f, height / 2.0f},
      size{static_cast<float>(width), static_cast<float>(height)} {}

UIImageOpenGL::~UIImageOpenGL() {
    glDeleteTextures(1, &texture);
}

void UIImageOpenGL::setColor(float r, float g, float b, float a) {
    color[0] = r;
    color[1] = g;
    color[2] = b;
    color[3] = a;
}

void UIImageOpenGL::setColorBytes(Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    setColor(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
}

void UIImageOpenGL::setSize(float width, float height) {
    size[0] = width;
    size[1] = height;
}

void UIImageOpenGL::setSizeInt(unsigned width, unsigned height) {
    setSize(static_cast<float>(width), static_cast<float>(height));
}

void UIImageOpenGL::setRotation(float radians) {
    rotation = radians;
}

void UIImageOpenGL::setScale(float sx, float sy) {
    scale[0] = sx;
    scale[1] = sy;
}

void UIImageOpenGL::setScaleUniform(float s) {
    setScale(s, s);
}

void UIImageOpenGL::setPivot(float px, float py) {
    pivotOffset[0] = px - width / 2.0f;
    pivotOffset[1] = py - height / 2.0f;
}

void UIImageOpenGL::getPivotedQuad(float quad[4]) const {
    quad[0] = corners[0] - pivotOffset[0];
    quad[1] = corners[1] - pivotOffset[1];
    quad[2] = corners[2] - pivotOffset[0];
    quad[3] = corners[3] - pivotOffset[1];
}

void UIImageOpenGL::draw(int blendMode, unsigned flags, float x, float y, const float rgba[4]) {
    const BlendModeScope blend(blendMode);
    glColor4fv(rgba);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (flags & DRAW_TRANSFORMED)
        drawTransformed(flags, x, y);
    else
        drawQuad(x, y, x + size[0], y + size[1]);
}

void UIImageOpenGL::drawRGBA(int blendMode, unsigned flags, float x, float y, float r, float g,
                             float b, float a) {
    const float rgba[4] = {r, g, b, a};
    draw(blendMode, flags, x, y, rgba);
}

void UIImageOpenGL::drawTinted(int blendMode, unsigned flags, float x, float y) {
    draw(blendMode, flags, x, y, color);
}

void UIImageOpenGL::drawTintedInt(int blendMode, unsigned flags, int x, int y) {
    drawTinted(blendMode, flags, static_cast<float>(x), static_cast<float>(y));
}

void UIImageOpenGL::drawAt(float x, float y) {
    drawTinted(defaultBlendMode, defaultFlags, x, y);
}

void UIImageOpenGL::drawAtInt(int x, int y) {
    drawAt(static_cast<float>(x), static_cast<float>(y));
}

void UIImageOpenGL::drawQuad(float left, float top, float right, float bottom) const {
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(extents[0], extents[1]);
    glVertex2f(left, top);
    glTexCoord2f(extents[2], extents[1]);
    glVertex2f(right, top);
    glTexCoord2f(extents[0], extents[3]);
    glVertex2f(left, bottom);
    glTexCoord2f(extents[2], extents[3]);
    glVertex2f(right, bottom);
    glEnd();
}

// Translation, rotation and scale are issued in that order, so each vertex is scaled first,
// then rotated, then moved to (x, y). The natural size is used; setSize does not apply here.
void UIImageOpenGL::drawTransformed(unsigned flags, float x, float y) const {
    glPushMatrix();
    glTranslatef(x, y, 0);
    if (flags & DRAW_ROTATE)
        glRotatef(rotation * DEGREES_PER_RADIAN, 0, 0, 1);
    if (flags & DRAW_SCALE)
        glScalef(scale[0], scale[1], 0);
    if (flags & DRAW_PIVOT) {
        float quad[4];
        getPivotedQuad(quad);
        drawQuad(quad[0], quad[1], quad[2], quad[3]);
    } else {
        drawQuad(0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    glPopMatrix();
}
