// A UIImage that draws nothing and records every draw. The convenience draws forward to
// draw through the virtual table as the real image does, so they are recorded too.
#pragma once

#include "render/UIImage.h"

#include <array>
#include <string>
#include <vector>

class RecordingImage : public UIImage {
public:
    /// One call of draw.
    struct Draw {
        int blendMode;
        unsigned flags;
        float x;
        float y;
        std::array<float, 4> rgba;
        unsigned order; ///< position in the sequence shared with the other recording doubles
    };

    RecordingImage(int width, int height, unsigned defaultFlags = 9, int defaultBlendMode = 0);

    void setColor(float r, float g, float b, float a) override;
    void setColorBytes(Uint8 r, Uint8 g, Uint8 b, Uint8 a) override;
    void setSize(float width, float height) override;
    void setSizeInt(unsigned width, unsigned height) override;
    void setRotation(float radians) override;
    void setScale(float sx, float sy) override;
    void setScaleUniform(float s) override;
    void setPivot(float px, float py) override;
    void draw(int blendMode, unsigned flags, float x, float y, const float rgba[4]) override;
    void drawRGBA(int blendMode, unsigned flags, float x, float y, float r, float g, float b,
                  float a) override;
    void drawTinted(int blendMode, unsigned flags, float x, float y) override;
    void drawTintedInt(int blendMode, unsigned flags, int x, int y) override;
    void drawAt(float x, float y) override;
    void drawAtInt(int x, int y) override;

    /// The draws so far as lines like "blend 0 flags 9 at 10,20 rgba 1,1,1,1"; forgets them.
    std::vector<std::string> takeDraws();

    std::vector<Draw> draws; ///< every draw, in call order
    std::array<float, 4> color{1.0f, 1.0f, 1.0f, 1.0f};
    std::array<float, 2> size;
    float rotation = 0.0f;
    std::array<float, 2> scale{1.0f, 1.0f};
    std::array<float, 2> pivot; ///< picture pixel given to setPivot; the centre at first
};
