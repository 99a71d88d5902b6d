// Where a picture of fixed size lies in a window of any size: scaled to the largest area of
// the picture's shape that fits, centred, the rest of the window left to the clear colour.
// A window of the picture's own size holds it at (0, 0) unscaled.
#pragma once

class Letterbox {
public:
    /// The area for a picture of pictureWidth x pictureHeight in a window of the given size.
    Letterbox(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

    /// The picture's area in window pixels, from the window's top-left corner.
    int x() const { return left; }
    int y() const { return top; }
    int width() const { return areaWidth; }
    int height() const { return areaHeight; }

    /// The picture pixel shown at a window pixel; window pixels beside the picture give its
    /// nearest edge.
    void toPicture(int windowX, int windowY, int& pictureX, int& pictureY) const;

private:
    int pictureWidth;
    int pictureHeight;
    int left = 0;
    int top = 0;
    int areaWidth;
    int areaHeight;
};
