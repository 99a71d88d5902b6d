// Loading a screen's image files.
#pragma once

#include "render/UIGraphics.h"
#include "render/UIImage.h"

#include <memory>
#include <string>

/// Flags of every image file: clamped edges, nearest filtering, default draw flags 9.
constexpr unsigned IMAGE_FILE_FLAGS = 0x20009;

/// Loads an image file for a screen; on failure returns null and records the path in
/// `failure`, so that start-up can name the missing file.
inline std::unique_ptr<UIImage> loadScreenImage(UIGraphics* graphics, const char* path,
                                                std::string& failure) {
    std::unique_ptr<UIImage> image(graphics->loadImage(path, IMAGE_FILE_FLAGS));
    if (!image)
        failure = path;
    return image;
}
