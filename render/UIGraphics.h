// The graphics context: brackets 2-D drawing and turns image files into images.
#pragma once

#include "render/UIImage.h"

/// Load flags of the image loaders; the whole word also becomes the image's default draw flags.
enum LoadFlags : unsigned {
    LOAD_LINEAR = 0x10000, ///< linear filtering instead of nearest
    LOAD_CLAMP = 0x20000,  ///< texture coordinates clamped to the picture's edge
};

/// Flags of every image file the program loads: clamped edges, nearest filtering, and plain
/// drawing with the top-left corner at the point as the default draw flags.
constexpr unsigned IMAGE_FILE_FLAGS = LOAD_CLAMP | DRAW_PIVOT | DRAW_PLAIN;

class UIGraphics {
public:
    virtual ~UIGraphics() = default;

    /// Sets up 2-D drawing in window pixels, origin top-left; paired with end2D.
    virtual void begin2D() {}
    /// Restores what begin2D changed.
    virtual void end2D() {}
    /// Loads an image file into a new image owned by the caller; null if it cannot.
    virtual UIImage* loadImage(const char* path, unsigned flags) = 0;
};
