#include "render/Letterbox.h"

#include <algorithm>

Letterbox::Letterbox(int windowWidth, int windowHeight, int pictureW, int pictureH)
    : pictureWidth(pictureW), pictureHeight(pictureH), areaWidth(windowWidth),
      areaHeight(windowHeight) {
    // Whichever side of the window is the narrower for the picture's shape sets the scale.
    const long wide = static_cast<long>(windowWidth) * pictureHeight;
    const long tall = static_cast<long>(windowHeight) * pictureWidth;
    if (wide > tall)
        areaWidth = static_cast<int>(tall / pictureHeight);
    else
        areaHeight = static_cast<int>(wide / pictureWidth);
    left = (windowWidth - areaWidth) / 2;
    top = (windowHeight - areaHeight) / 2;
}

void Letterbox::toPicture(int windowX, int windowY, int& pictureX, int& pictureY) const {
    const long x = static_cast<long>(windowX - left) * pictureWidth / std::max(areaWidth, 1);
    const long y = static_cast<long>(windowY - top) * pictureHeight / std::max(areaHeight, 1);
    pictureX = static_cast<int>(std::clamp(x, 0L, static_cast<long>(pictureWidth - 1)));
    pictureY = static_cast<int>(std::clamp(y, 0L, static_cast<long>(pictureHeight - 1)));
}
