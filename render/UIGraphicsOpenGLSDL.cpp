#include "render/UIGraphicsOpenGLSDL.h"

#include "render/GLPlatform.h"
#include "render/Letterbox.h"
#include "render/PictureFile.h"
#include "render/Texturing.h"
#include "render/UIImageOpenGL.h"

namespace {
// SDL 1.2 rectangles carry 16-bit sizes.
const int MAX_PICTURE_SIDE = 0xFFFF;
} // namespace

void clearScreen(float r, float g, float b) {
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

namespace {
void windowSize(int& width, int& height) {
    const SDL_Surface* screen = SDL_GetVideoSurface();
    width = screen ? screen->w : 0;
    height = screen ? screen->h : 0;
}
} // namespace

void UIGraphicsOpenGLSDL::setPictureSize(int width, int height) {
    pictureWidth = width;
    pictureHeight = height;
    scaler = std::make_unique<PictureScaler>(width, height);
}

void UIGraphicsOpenGLSDL::begin2D() {
    int width = 0, height = 0;
    windowSize(width, height);
    // One push for both groups: Mesa 22 does not restore the blend function when a colour
    // buffer push is followed by a second push before the two pops.
    pushDrawState(GL_COLOR_BUFFER_BIT | GL_ENABLE_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    setTexturing(true);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const int pictureW = pictureWidth ? pictureWidth : width;
    const int pictureH = pictureHeight ? pictureHeight : height;
    if (scaler && scaler->appliesTo(width, height)) {
        glViewport(0, 0, pictureW, pictureH); // the bottom-left corner, unscaled
    } else {
        const Letterbox area(width, height, pictureW, pictureH);
        // GL counts viewport rows from the bottom.
        glViewport(area.x(), height - area.y() - area.height(), area.width(), area.height());
    }
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, pictureW, pictureH, 0, 0, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    // The integer form: the browser's GL emulation takes the mode only as an integer.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(1, 1, 1, 1);
}

void UIGraphicsOpenGLSDL::end2D() {
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    popDrawState();
}

bool UIGraphicsOpenGLSDL::finishFrame() {
    int width = 0, height = 0;
    windowSize(width, height);
    if (scaler && scaler->appliesTo(width, height))
        scaler->present(width, height);
    glFlush();
    return glGetError() == GL_NO_ERROR;
}

std::string UIGraphicsOpenGLSDL::filePath(const char* path) const {
    const std::string given = path;
    const std::string prefix = "data/";
    if (given.rfind(prefix, 0) != 0)
        return given;
    return dataFolder + "/" + given.substr(prefix.size());
}

// loadPictureFile, not a null check on SDL_RWFromFile: the browser's SDL numbers its file
// handles from 0, so the first one looks like a null pointer.
UIImage* UIGraphicsOpenGLSDL::loadImage(const char* path, unsigned flags) {
    const SurfacePtr surface(loadSurface(path));
    return surface ? createImage(surface.get(), flags, nullptr) : nullptr;
}

UIImage* UIGraphicsOpenGLSDL::loadImageRW(SDL_RWops* source, bool freeSource, unsigned flags) {
    const SurfacePtr surface(loadSurfaceRW(source, freeSource));
    return surface ? createImage(surface.get(), flags, nullptr) : nullptr;
}

SDL_Surface* UIGraphicsOpenGLSDL::loadSurfaceRW(SDL_RWops* source, bool freeSource) {
    return decodePicture(source, freeSource);
}

SDL_Surface* UIGraphicsOpenGLSDL::loadSurface(const char* path) {
    return loadPictureFile(filePath(path).c_str());
}

UIImage* UIGraphicsOpenGLSDL::createImage(SDL_Surface* surface, unsigned flags,
                                          const SDL_Rect* area) {
    GLuint texture = 0;
    float extents[4];
    if (!uploadTexture(&texture, surface, flags, extents, area))
        return nullptr;
    const unsigned width = area ? area->w : surface->w;
    const unsigned height = area ? area->h : surface->h;
    return new UIImageOpenGL(width, height, flags, texture, extents);
}

bool UIGraphicsOpenGLSDL::uploadTexture(GLuint* textureOut, SDL_Surface* surface, unsigned flags,
                                        float extentsOut[4], const SDL_Rect* area) {
    if (!surface)
        return false;
    const int width = area ? area->w : surface->w;
    const int height = area ? area->h : surface->h;
    if (width <= 0 || height <= 0 || width > MAX_PICTURE_SIDE || height > MAX_PICTURE_SIDE)
        return false;
    const unsigned textureWidth = nextPowerOfTwo(width);
    const unsigned textureHeight = nextPowerOfTwo(height);
    const SurfacePtr staging = createRGBASurface(textureWidth, textureHeight);
    if (!staging)
        return false;
    SDL_Rect content = {0, 0, static_cast<Uint16>(width), static_cast<Uint16>(height)};
    if (!copyPicture(surface, area, staging.get(), &content))
        return false;
    bleedEdges(staging.get(), &content);

    extentsOut[0] = 0;
    extentsOut[1] = 0;
    extentsOut[2] = static_cast<float>(width) / textureWidth;
    extentsOut[3] = static_cast<float>(height) / textureHeight;

    glGenTextures(1, textureOut);
    glBindTexture(GL_TEXTURE_2D, *textureOut);
    const GLint filter = (flags & LOAD_LINEAR) ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    if (flags & LOAD_CLAMP) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, clampWrapMode());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, clampWrapMode());
    }
    // The staging rows are tightly packed 32-bit pixels, row 0 at the top of the picture.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, textureWidth, textureHeight, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, staging->pixels);
    return true;
}

GLint UIGraphicsOpenGLSDL::clampWrapMode() {
    if (edgeClamp == 0)
        edgeClamp = edgeClampWrapMode(reinterpret_cast<const char*>(glGetString(GL_VERSION)),
                                      reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
    return edgeClamp;
}
