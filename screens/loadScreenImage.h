// Loading a screen's image files.
#pragma once

#include "render/UIGraphics.h"
#include "render/UIImage.h"

#include <memory>
#include <string>

/// Loads an image file for a screen; on failure returns null and records the path in
/// `failure`, so that start-up can name the missing file.
inline std::unique_ptr<UIImage> loadScreenImage(UIGraphics* graphics, const char* path,
                                                std::string& failure) {
    std::unique_ptr<UIImage> image(graphics->loadImage(path, IMAGE_FILE_FLAGS));
    if (!image)
        failure = path;
    return image;
}
