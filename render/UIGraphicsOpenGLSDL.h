// The graphics context over SDL and OpenGL: 2-D frames in picture pixels (the window's own,
// or a picture of fixed size letterboxed into the window), images from files.
#pragma once

#include "render/PictureScaler.h"
#include "render/UIGraphics.h"

#include <GL/gl.h>
#include <SDL.h>

#include <memory>
#include <string>

/// Clears the colour buffer to (r, g, b) and the depth buffer; called before any begin2D.
void clearScreen(float r, float g, float b);

class UIGraphicsOpenGLSDL : public UIGraphics {
public:
    /// Saves the enable and colour-buffer state and both matrices, then sets up textured,
    /// alpha-blended drawing in picture pixels with the origin at the picture's top-left corner.
    void begin2D() override;
    /// Draws a picture of this size, shown scaled into the largest area of its shape in the
    /// window and centred there; 0 x 0 (the default) draws in window pixels.
    void setPictureSize(int width, int height);
    /// Restores the matrices and state saved by begin2D; leaves the matrix mode GL_PROJECTION.
    void end2D() override;
    /// Completes the frame drawn since the last one: in a window larger than the picture, the
    /// picture drawn at its own size is now scaled into the window; then the frame is flushed
    /// to the GL. False if the GL reported an error since the last frame.
    bool finishFrame();
    /// Makes paths beginning with "data/" name files in `folder` instead (default "data").
    void setDataFolder(const std::string& folder) { dataFolder = folder; }
    /// The file a path given to the loaders stands for: a "data/" path mapped into the data
    /// folder, any other path unchanged.
    std::string filePath(const char* path) const;
    /// Loads an image file into a new image owned by the caller; null if it cannot be opened,
    /// decoded or uploaded.
    UIImage* loadImage(const char* path, unsigned flags) override;
    /// Decodes a stream into a new image (closing the stream when freeSource); null on failure.
    virtual UIImage* loadImageRW(SDL_RWops* source, bool freeSource, unsigned flags);
    /// Decodes a stream into a surface owned by the caller (closing the stream when
    /// freeSource); null if it cannot be decoded.
    virtual SDL_Surface* loadSurfaceRW(SDL_RWops* source, bool freeSource);
    /// Decodes an image file into a surface owned by the caller; null on failure.
    virtual SDL_Surface* loadSurface(const char* path);
    /// Makes a new image of the surface, or of its `area` when one is given; the surface stays
    /// the caller's. Null for a null surface or when the upload fails.
    virtual UIImage* createImage(SDL_Surface* surface, unsigned flags, const SDL_Rect* area);
    /// Copies the surface (or its `area`) into a new power-of-two texture, left bound, and
    /// writes the picture's texture coordinates s0, t0, s1, t1 to `extentsOut`. The source
    /// surface is left as it was. False, with no texture created, if the surface is null, the
    /// area is empty or the staging copy fails.
    virtual bool uploadTexture(GLuint* textureOut, SDL_Surface* surface, unsigned flags,
                               float extentsOut[4], const SDL_Rect* area);

private:
    GLint clampWrapMode();

    std::string dataFolder = "data";
    int pictureWidth = 0;
    int pictureHeight = 0;
    std::unique_ptr<PictureScaler> scaler; // for a picture of fixed size
    GLint edgeClamp = 0; // found at the first upload, when a GL context is sure to be current
};
