#include "screens/PanelLayout.h"
#include "tests/render/RenderTestSupport.h"

#include "render/PictureFile.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

// The panel's images have the sizes its layout is made for. The glyph sheets hold 101 square
// cells, one under the other; every one but the space is inked.
TEST(DataFiles, EachDecodesAtItsSizeAndGlyphSheetsInkEveryPrintableCell) {
    using Layout = PanelLayout;
    const std::tuple<std::string, int, int> files[] = {
        {"flare.png", 32, 32},
        {"gradient.png", 512, 384},
        {"slider_h.png", Layout::SLIDER_WIDTH, Layout::SLIDER_HEIGHT},
        {"slider_h_thumb.png", Layout::SLIDER_THUMB_WIDTH, Layout::SLIDER_HEIGHT},
        {"button_up_small.png", Layout::BUTTON_WIDTH, Layout::BUTTON_HEIGHT},
        {"button_down_small.png", Layout::BUTTON_WIDTH, Layout::BUTTON_HEIGHT},
        {"button_up.png", 192, 48},
        {"button_down.png", 192, 48},
        {"font_small.png", 12, 1212},
        {"font_medium.png", 24, 2424}};
    const SurfacePtr rgba = createRGBASurface(1, 1);
    for (const auto& [name, w, h] : files) {
        const SurfacePtr decoded(loadPictureFile(("data/" + name).c_str()));
        ASSERT_TRUE(decoded) << name;
        const SurfacePtr picture(SDL_ConvertSurface(decoded.get(), rgba->format, SDL_SWSURFACE));
        ASSERT_EQ(std::pair(picture->w, picture->h), std::pair(w, h)) << name;
        if (name.rfind("font", 0) != 0)
            continue;
        for (int cell = 0; cell < 101; ++cell) {
            int ink = 0;
            for (int y = cell * w; y < (cell + 1) * w; ++y)
                for (int x = 0; x < w; ++x)
                    ink += pixelOf(picture.get(), x, y).a > 16;
            EXPECT_EQ(ink > 0, cell > 0) << name << " cell " << cell;
        }
    }
}
