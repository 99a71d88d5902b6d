#include "render/UIFontOpenGLSDL.h"
#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

// First and last inked column of each inked cell of a sheet.
using InkedColumns = std::map<int, std::pair<int, int>>;

// Hands the font a sheet of 16-pixel cells built in memory: white ink on transparent black.
class SheetGraphics : public UIGraphicsOpenGLSDL {
public:
    SheetGraphics(int height, InkedColumns ink) : height(height), ink(std::move(ink)) {}
    SDL_Surface* loadSurface(const char*) override {
        return makePicture(16, height,
                           [this](int x, int y) {
                               const auto cell = ink.find(y / 16);
                               const bool inked = cell != ink.end() && x >= cell->second.first &&
                                                  x <= cell->second.second;
                               return inked ? Pixel{255, 255, 255, 255} : Pixel{0, 0, 0, 0};
                           })
            .release();
    }

    int height;
    InkedColumns ink;
};

} // namespace

TEST(UIFontOpenGLSDL, LoadsOneGlyphPerCellAndMeasuresThem) {
    // Cell 0 (space) is blank, cell 1 ('!') inked in column 0 only, cell 2 ('"') 10 wide.
    SheetGraphics graphics(1616, {{1, {0, 0}}, {2, {2, 11}}});
    UIFontOpenGLSDL font(&graphics, "sheet", nullptr, 16);
    ASSERT_TRUE(font.load());
    EXPECT_EQ(font.getGlyphCount(), 101u);
    EXPECT_EQ(font.getLineHeight(), 16u);
    const std::tuple<const char*, float, float> cases[] = {
        {" ", 1, 6},  {"!", 1, 2},    {"\"", 2, 22}, {" !\"", 1, 19},
        {"\n", 1, 6}, {"\xE9", 1, 6}, {"", 1, 0},    {nullptr, 1, 0}};
    for (const auto& [text, scale, width] : cases)
        EXPECT_EQ(font.textWidth(text, scale), width) << (text ? text : "null");
    font.setLetterSpacing(-1);
    EXPECT_EQ(font.textWidth("!!!", 1), 0);

    graphics.height = 10; // lower than wide
    EXPECT_FALSE(font.reload());
    EXPECT_EQ(font.getGlyphCount(), 0u);
}

using UIFontOpenGLSDLDraw = Drawing2D;

TEST_F(UIFontOpenGLSDLDraw, AlignsOnThePointAtAnyScale) {
    // Two cells for the set "XYZ": X inked in columns 3..11 (9 wide), Y blank, no cell for Z.
    SheetGraphics sheet(32, {{0, {3, 11}}});
    UIFontOpenGLSDL font(&sheet, "sheet", "XYZ", 16);
    ASSERT_TRUE(font.load());
    // "XXXXX" measures 5 x (9 + 1) = 50 pixels; the last glyph's ink ends 1 pixel early. A line
    // break (outside the set) and "Z" (past the sheet) draw the first glyph, X.
    const std::tuple<const char*, unsigned, float, Box> cases[] = {
        {"XXXXX", 0, 1, {100, 200, 149, 216}},  {"XXXXX", 1, 1, {75, 200, 124, 216}},
        {"XXXXX", 3, 1, {75, 200, 124, 216}},   {"XXXXX", 2, 1, {50, 200, 99, 216}},
        {"XXXXX", 8, 1, {100, 184, 149, 200}},  {"XXXXX", 12, 1, {100, 192, 149, 208}},
        {"XXXXX", 12, 2, {100, 184, 198, 216}}, {"\n", 0, 1, {100, 200, 109, 216}},
        {"Z", 0, 1, {100, 200, 109, 216}}};
    for (const auto& [text, align, scale, covered] : cases) {
        clearScreen(0, 0, 0);
        font.drawTextRGBA(100, 200, align, text, 1, 1, 1, 1, scale);
        EXPECT_EQ(litBox(), covered) << text << " align " << align << " scale " << scale;
    }
}
