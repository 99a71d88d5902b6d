#include "tests/support/RecordingGraphics.h"

#include "tests/support/RecordingImage.h"

void RecordingGraphics::begin2D() {
    ++begin2DCount;
}

void RecordingGraphics::end2D() {
    ++end2DCount;
}

UIImage* RecordingGraphics::loadImage(const char* path, unsigned flags) {
    const std::string name = path ? path : "";
    loads.emplace_back(name, flags);
    const auto found = imageSizes.find(name);
    if (found == imageSizes.end())
        return nullptr;
    return new RecordingImage(found->second.first, found->second.second, flags);
}

void RecordingGraphics::addImageFile(const std::string& path, int width, int height) {
    imageSizes[path] = {width, height};
}
