#include "tests/support/RecordingImage.h"

#include "tests/support/DrawOrder.h"

#include <sstream>
#include <utility>

RecordingImage::RecordingImage(int width, int height, unsigned defaultFlags, int defaultBlendMode)
    : UIImage(width, height, defaultBlendMode, defaultFlags),
      size{static_cast<float>(width), static_cast<float>(height)}, pivot{width / 2.0f,
                                                                         height / 2.0f} {}

void RecordingImage::setColor(float r, float g, float b, float a) {
    color = {r, g, b, a};
}

void RecordingImage::setColorBytes(Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    setColor(r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f);
}

void RecordingImage::setSize(float newWidth, float newHeight) {
    size = {newWidth, newHeight};
}

void RecordingImage::setSizeInt(unsigned newWidth, unsigned newHeight) {
    setSize(static_cast<float>(newWidth), static_cast<float>(newHeight));
}

void RecordingImage::setRotation(float radians) {
    rotation = radians;
}

void RecordingImage::setScale(float sx, float sy) {
    scale = {sx, sy};
}

void RecordingImage::setScaleUniform(float s) {
    setScale(s, s);
}

void RecordingImage::setPivot(float px, float py) {
    pivot = {px, py};
}

void RecordingImage::draw(int blendMode, unsigned flags, float x, float y, const float rgba[4]) {
    draws.push_back(
        {blendMode, flags, x, y, {rgba[0], rgba[1], rgba[2], rgba[3]}, nextDrawOrder()});
}

void RecordingImage::drawRGBA(int blendMode, unsigned flags, float x, float y, float r, float g,
                              float b, float a) {
    const float rgba[4] = {r, g, b, a};
    draw(blendMode, flags, x, y, rgba);
}

void RecordingImage::drawTinted(int blendMode, unsigned flags, float x, float y) {
    draw(blendMode, flags, x, y, color.data());
}

void RecordingImage::drawTintedInt(int blendMode, unsigned flags, int x, int y) {
    drawTinted(blendMode, flags, static_cast<float>(x), static_cast<float>(y));
}

void RecordingImage::drawAt(float x, float y) {
    drawTinted(defaultBlendMode, defaultFlags, x, y);
}

void RecordingImage::drawAtInt(int x, int y) {
    drawAt(static_cast<float>(x), static_cast<float>(y));
}

std::vector<std::string> RecordingImage::takeDraws() {
    std::vector<std::string> lines;
    for (const Draw& d : std::exchange(draws, {})) {
        std::ostringstream line;
        line << "blend " << d.blendMode << " flags " << d.flags << " at " << d.x << ',' << d.y
             << " rgba " << d.rgba[0] << ',' << d.rgba[1] << ',' << d.rgba[2] << ',' << d.rgba[3];
        lines.push_back(line.str());
    }
    return lines;
}
