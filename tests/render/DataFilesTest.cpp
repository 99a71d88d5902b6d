#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <SDL_image.h>

#include <string>

namespace {

// The picture file decoded and converted to bytes R, G, B, A; null if it cannot be read.
SurfacePtr loadRGBA(const std::string& name) {
    const SurfacePtr decoded(IMG_Load(("data/" + name).c_str()));
    const SurfacePtr format = createRGBASurface(1, 1);
    return decoded ? SurfacePtr(SDL_ConvertSurface(decoded.get(), format->format, SDL_SWSURFACE))
                   : nullptr;
}

} // namespace

TEST(DataFiles, EachDecodesAtItsSizeAndGlyphSheetsInkEveryPrintableCell) {
    const std::tuple<const char*, int, int> files[] = {{"flare.png", 32, 32},
                                                       {"gradient.png", 512, 384},
                                                       {"slider_h.png", 130, 16},
                                                       {"slider_h_thumb.png", 10, 16},
                                                       {"button_up_small.png", 110, 32},
                                                       {"button_down_small.png", 110, 32},
                                                       {"button_up.png", 192, 48},
                                                       {"button_down.png", 192, 48},
                                                       {"font_small.png", 12, 1212},
                                                       {"font_medium.png", 24, 2424}};
    for (const auto& [name, w, h] : files) {
        const SurfacePtr picture = loadRGBA(name);
        ASSERT_TRUE(picture) << name;
        EXPECT_EQ(std::pair(picture->w, picture->h), std::pair(w, h)) << name;
    }
    // The glyph sheets hold 101 cells (their sizes above); every one but the space is inked.
    for (const char* name : {"font_small.png", "font_medium.png"}) {
        const SurfacePtr sheet = loadRGBA(name);
        const int side = sheet->w;
        for (int cell = 0; cell < 101; ++cell) {
            int ink = 0;
            for (int y = cell * side; y < (cell + 1) * side; ++y)
                for (int x = 0; x < side; ++x)
                    ink += pixelOf(sheet.get(), x, y).a > 16;
            EXPECT_EQ(ink > 0, cell > 0) << name << " cell " << cell;
        }
    }
}
