#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <SDL_image.h>

#include <algorithm>
#include <string>
#include <utility>

namespace {

// The picture file decoded and converted to bytes R, G, B, A; null if it cannot be read.
SurfacePtr loadRGBA(const std::string& name) {
    const SurfacePtr decoded(IMG_Load(("data/" + name).c_str()));
    const SurfacePtr format = createRGBASurface(1, 1);
    return decoded ? SurfacePtr(SDL_ConvertSurface(decoded.get(), format->format, SDL_SWSURFACE))
                   : nullptr;
}

double meanBrightness(SDL_Surface* surface) {
    double sum = 0;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x) {
            const Pixel p = pixelOf(surface, x, y);
            sum += (p.r + p.g + p.b) / 3.0 * p.a / 255;
        }
    return sum / (surface->w * surface->h);
}

} // namespace

TEST(DataFiles, EachDecodesAtItsSize) {
    const struct {
        const char* name;
        int w, h;
    } files[] = {{"flare.png", 32, 32},
                 {"gradient.png", 512, 384},
                 {"slider_h.png", 130, 16},
                 {"slider_h_thumb.png", 10, 16},
                 {"button_up_small.png", 110, 32},
                 {"button_down_small.png", 110, 32},
                 {"button_up.png", 192, 48},
                 {"button_down.png", 192, 48},
                 {"font_small.png", 12, 1212},
                 {"font_medium.png", 24, 2424}};
    for (const auto& f : files) {
        const SurfacePtr picture = loadRGBA(f.name);
        ASSERT_TRUE(picture) << f.name;
        EXPECT_EQ(picture->w, f.w) << f.name;
        EXPECT_EQ(picture->h, f.h) << f.name;
    }
}

TEST(DataFiles, GlyphSheetsInkEveryPrintableCellInWhite) {
    for (const char* name : {"font_small.png", "font_medium.png"}) {
        const SurfacePtr sheet = loadRGBA(name);
        ASSERT_TRUE(sheet);
        const int side = sheet->w;
        for (int cell = 0; cell < 101; ++cell) {
            int ink = 0, coloured = 0;
            for (int y = cell * side; y < (cell + 1) * side; ++y)
                for (int x = 0; x < side; ++x) {
                    const Pixel p = pixelOf(sheet.get(), x, y);
                    ink += p.a > 16;
                    coloured += p.r != 255 || p.g != 255 || p.b != 255;
                }
            EXPECT_EQ(ink > 0, cell > 0) << name << " cell " << cell;
            EXPECT_EQ(coloured, 0) << name << " cell " << cell;
        }
    }
}

TEST(DataFiles, FlareIsAWhiteGlowFadingToNothingAtTheRim) {
    const SurfacePtr flare = loadRGBA("flare.png");
    ASSERT_TRUE(flare);
    EXPECT_GT(pixelOf(flare.get(), 16, 16).a, 200);
    EXPECT_EQ(pixelOf(flare.get(), 16, 16).r, 255);
    for (int x = 17; x < 32; ++x)
        EXPECT_LT(pixelOf(flare.get(), x, 16).a, pixelOf(flare.get(), x - 1, 16).a + 1) << x;
    for (const auto& [x, y] : {std::pair{0, 0}, {0, 16}, {16, 0}, {31, 16}, {16, 31}, {31, 31}})
        EXPECT_EQ(pixelOf(flare.get(), x, y).a, 0) << x << ", " << y;
}

TEST(DataFiles, GradientIsBrightInEveryChannelAndTranslucent) {
    // Multiplying the scene by it tints without blacking out; alpha lets the scene show through.
    const SurfacePtr gradient = loadRGBA("gradient.png");
    ASSERT_TRUE(gradient);
    for (int y = 0; y < gradient->h; y += 7)
        for (int x = 0; x < gradient->w; x += 7) {
            const Pixel p = pixelOf(gradient.get(), x, y);
            ASSERT_GE(std::min({p.r, p.g, p.b}), 100) << x << ", " << y;
            ASSERT_TRUE(p.a > 50 && p.a < 200) << x << ", " << y;
        }
}

TEST(DataFiles, PressedButtonsLookDarker) {
    for (const char* size : {"", "_small"}) {
        const SurfacePtr up = loadRGBA(std::string("button_up") + size + ".png");
        const SurfacePtr down = loadRGBA(std::string("button_down") + size + ".png");
        ASSERT_TRUE(up && down);
        EXPECT_LT(meanBrightness(down.get()), meanBrightness(up.get()) * 0.85) << size;
    }
}
