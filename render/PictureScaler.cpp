#include "render/PictureScaler.h"

#include "render/GLPlatform.h"
#include "render/Letterbox.h"
#include "render/Texturing.h"

PictureScaler::PictureScaler(int width, int height) : pictureWidth(width), pictureHeight(height) {}

PictureScaler::~PictureScaler() {
    if (texture)
        glDeleteTextures(1, &texture);
}

bool PictureScaler::appliesTo(int windowWidth, int windowHeight) const {
    const bool holds = windowWidth >= pictureWidth && windowHeight >= pictureHeight;
    return holds && (windowWidth > pictureWidth || windowHeight > pictureHeight);
}

void PictureScaler::makeTexture() {
    // OpenGL 1.1 textures have power-of-two sides; the picture fills the bottom-left part.
    const unsigned width = nextPowerOfTwo(pictureWidth);
    const unsigned height = nextPowerOfTwo(pictureHeight);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, nullptr);
    right = static_cast<float>(pictureWidth) / width;
    top = static_cast<float>(pictureHeight) / height;
}

void PictureScaler::present(int windowWidth, int windowHeight) {
    pushDrawState(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT | GL_VIEWPORT_BIT | GL_TEXTURE_BIT |
                  GL_TRANSFORM_BIT);
    if (!texture)
        makeTexture();
    glBindTexture(GL_TEXTURE_2D, texture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, pictureWidth, pictureHeight);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);

    const Letterbox area(windowWidth, windowHeight, pictureWidth, pictureHeight);
    // GL counts viewport rows from the bottom.
    glViewport(area.x(), windowHeight - area.y() - area.height(), area.width(), area.height());
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    setTexturing(true);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    // The copy's rows count from the bottom, as the GL's own do: (0, 0) is the bottom left.
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(-1, -1);
    glTexCoord2f(right, 0);
    glVertex2f(1, -1);
    glTexCoord2f(right, top);
    glVertex2f(1, 1);
    glTexCoord2f(0, top);
    glVertex2f(-1, 1);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    popDrawState();
}
