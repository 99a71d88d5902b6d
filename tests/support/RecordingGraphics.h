// A UIGraphics without GL: counts the 2-D brackets and serves RecordingImages for the image
// files a test declares.
#pragma once

#include "render/UIGraphics.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

class RecordingGraphics : public UIGraphics {
public:
    void begin2D() override;
    void end2D() override;
    /// A new RecordingImage of the size declared for the path; null for undeclared paths.
    UIImage* loadImage(const char* path, unsigned flags) override;

    /// Declares an image file and its size for loadImage.
    void addImageFile(const std::string& path, int width, int height);

    int begin2DCount = 0;
    int end2DCount = 0;
    std::vector<std::pair<std::string, unsigned>> loads; ///< path and flags of every loadImage

private:
    std::map<std::string, std::pair<int, int>> imageSizes;
};
