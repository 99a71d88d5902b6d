// Shows a picture of fixed size in a larger window as that picture, only larger: the frame is
// drawn at the picture's own size in the window's bottom-left corner, then copied into a
// texture and drawn scaled into the letterbox, on black. Lines, text and sprites keep the
// proportions they have at the picture's size, which drawing scaled would not (a line stays
// one window pixel wide). A window smaller than the picture cannot hold the unscaled frame;
// there the frame is drawn scaled instead.
#pragma once

#include <GL/gl.h>

class PictureScaler {
public:
    PictureScaler(int pictureWidth, int pictureHeight);
    /// Deletes the texture (with the GL context that made it still current).
    ~PictureScaler();
    PictureScaler(const PictureScaler&) = delete;
    PictureScaler& operator=(const PictureScaler&) = delete;

    /// Whether frames for a window of this size are drawn unscaled and presented through the
    /// copy: the window is at least the picture's size both ways, and larger one way.
    bool appliesTo(int windowWidth, int windowHeight) const;
    /// Copies the picture drawn in the window's bottom-left corner, clears the window to black
    /// and draws the copy scaled into the letterbox. The GL state is left as it was found.
    void present(int windowWidth, int windowHeight);

private:
    void makeTexture();

    int pictureWidth;
    int pictureHeight;
    GLuint texture = 0;
    float right = 0;  // the picture's extent in texture coordinates
    float top = 0;
};
