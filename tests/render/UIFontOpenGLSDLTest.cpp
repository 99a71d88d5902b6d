#include "render/UIFontOpenGLSDL.h"
#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <utility>

static bool operator==(const GlyphSpan& a, const GlyphSpan& b) {
    return a.x == b.x && a.width == b.width;
}

static std::ostream& operator<<(std::ostream& out, const GlyphSpan& span) {
    return out << '{' << span.x << ", " << span.width << '}';
}

namespace {

// First and last inked column of each inked cell of a test sheet.
using InkedColumns = std::map<int, std::pair<int, int>>;

SurfacePtr makeSheet(int side, int height, const InkedColumns& ink, Uint8 inkAlpha = 255) {
    return makePicture(side, height, [&](int x, int y) {
        const auto cell = ink.find(y / side);
        const bool inked = cell != ink.end() && x >= cell->second.first && x <= cell->second.second;
        return inked ? Pixel{255, 255, 255, inkAlpha} : Pixel{0, 0, 0, 0};
    });
}

// A sheet without alpha whose ink is a colour barely above black.
SurfacePtr makeOpaqueSheet(int side, int height, const InkedColumns& ink) {
    SurfacePtr sheet(SDL_CreateRGBSurface(SDL_SWSURFACE, side, height, 24, 0, 0, 0, 0));
    for (const auto& [cell, columns] : ink) {
        SDL_Rect area = {static_cast<Sint16>(columns.first), static_cast<Sint16>(cell * side),
                         static_cast<Uint16>(columns.second - columns.first + 1),
                         static_cast<Uint16>(side)};
        SDL_FillRect(sheet.get(), &area, SDL_MapRGB(sheet->format, 0, 0, 1));
    }
    return sheet;
}

// Hands the font a sheet built in memory and can refuse to make one of the glyph images.
class SheetGraphics : public UIGraphicsOpenGLSDL {
public:
    std::function<SurfacePtr()> sheet;
    int refusedImage = -1;

    SDL_Surface* loadSurface(const char*) override { return sheet ? sheet().release() : nullptr; }
    UIImage* createImage(SDL_Surface* surface, unsigned flags, const SDL_Rect* area) override {
        return imagesAsked++ == refusedImage
                   ? nullptr
                   : UIGraphicsOpenGLSDL::createImage(surface, flags, area);
    }

private:
    int imagesAsked = 0;
};

class UIFontOpenGLSDLDraw : public Drawing2D {
protected:
    // Two 16-pixel cells for the set "XYZ": X inked in columns 3..11 (9 wide), Y blank, and
    // no cell for Z.
    void SetUp() override {
        Drawing2D::SetUp();
        sheetGraphics.sheet = [] { return makeSheet(16, 32, {{0, {3, 11}}}); };
        ASSERT_TRUE(font.load());
    }

    SheetGraphics sheetGraphics;
    UIFontOpenGLSDL font{&sheetGraphics, "sheet", "XYZ", 16};
};

} // namespace

TEST(UIFontOpenGLSDL, MeasureGlyphSpansTheInkedColumns) {
    const SurfacePtr sheet = makeSheet(16, 48, {{1, {3, 7}}, {2, {0, 0}}});
    const SurfacePtr faint = makeSheet(16, 16, {{0, {2, 2}}}, 16);
    const SurfacePtr opaque = makeOpaqueSheet(16, 32, {{1, {4, 5}}});
    const SurfacePtr bits(SDL_CreateRGBSurface(SDL_SWSURFACE, 16, 16, 1, 0, 0, 0, 0));
    const struct {
        SDL_Surface* sheet;
        int cell;
        Uint8 threshold;
        GlyphSpan span;
    } cases[] = {
        {sheet.get(), 0, 16, {0, 5}}, {sheet.get(), 1, 16, {3, 5}},  {sheet.get(), 2, 16, {0, 1}},
        {sheet.get(), 3, 16, {0, 5}}, {sheet.get(), -1, 16, {0, 5}}, {faint.get(), 0, 16, {0, 5}},
        {faint.get(), 0, 15, {2, 1}}, {opaque.get(), 0, 16, {0, 5}}, {opaque.get(), 1, 16, {4, 2}},
        {bits.get(), 0, 16, {0, 5}},  {nullptr, 0, 16, {0, 0}},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(UIFontOpenGLSDL::measureGlyph(cases[i].sheet, cases[i].cell, cases[i].threshold),
                  cases[i].span)
            << "case " << i;
}

TEST(UIFontOpenGLSDL, MeasureGlyphIgnoresIndicesPastThePalette) {
    const SurfacePtr sheet(SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 8, 0, 0, 0, 0));
    SDL_FillRect(sheet.get(), nullptr, 200);
    sheet->format->palette->ncolors = 2;
    EXPECT_EQ(UIFontOpenGLSDL::measureGlyph(sheet.get(), 0, 16), (GlyphSpan{0, 1}));
}

TEST(UIFontOpenGLSDL, LoadsOneGlyphPerCellAndMeasuresThem) {
    SheetGraphics graphics;
    graphics.sheet = [] { return makeSheet(16, 1616, {{1, {0, 0}}, {2, {2, 11}}}); };
    UIFontOpenGLSDL font(&graphics, "sheet", nullptr, 16);
    ASSERT_TRUE(font.load());
    EXPECT_EQ(font.getGlyphCount(), 101u);
    EXPECT_EQ(font.getLineHeight(), 16u);
    const struct {
        const char* text;
        float scale;
        float width;
    } cases[] = {{" ", 1, 6},  {"!", 1, 2},    {"\"", 2, 22}, {" !\"", 1, 19},
                 {"\n", 1, 6}, {"\xE9", 1, 6}, {"", 1, 0},    {nullptr, 1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(font.textWidth(c.text, c.scale), c.width) << (c.text ? c.text : "null");
    font.setLetterSpacing(-1);
    EXPECT_EQ(font.textWidth("!!!", 1), 0);
}

TEST(UIFontOpenGLSDL, FailedLoadKeepsNoGlyphs) {
    SheetGraphics graphics;
    UIFontOpenGLSDL font(&graphics, "sheet", nullptr, 16);
    EXPECT_FALSE(font.load()); // no sheet at all
    graphics.sheet = [] { return makeSheet(16, 1616, {}); };
    ASSERT_TRUE(font.load());
    graphics.sheet = [] { return makeSheet(16, 10, {}); };
    EXPECT_FALSE(font.reload());
    EXPECT_EQ(font.getGlyphCount(), 0u);
    EXPECT_EQ(font.getLineHeight(), 0u);
    graphics.sheet = [] { return makeSheet(16, 1616, {}); };
    graphics.refusedImage = 101 + 50;
    EXPECT_FALSE(font.reload());
    EXPECT_EQ(font.getGlyphCount(), 0u);
    EXPECT_EQ(font.textWidth("abc", 1), 0);
}

TEST(UIFontOpenGLSDL, SheetWithoutAlphaTakesNonBlackAsInk) {
    const SurfacePtr sheet = makeOpaqueSheet(16, 32, {{1, {4, 5}}});
    const std::string path = testing::TempDir() + "opaque_sheet.bmp";
    ASSERT_EQ(SDL_SaveBMP(sheet.get(), path.c_str()), 0);
    UIGraphicsOpenGLSDL graphics;
    UIFontOpenGLSDL font(&graphics, path.c_str(), nullptr, 16);
    ASSERT_TRUE(font.load());
    std::remove(path.c_str());
    EXPECT_EQ(font.textWidth("!", 1), 3);
    EXPECT_EQ(font.textWidth(" ", 1), 6);
}

TEST_F(UIFontOpenGLSDLDraw, AlignsOnThePoint) {
    // "XXXXX" measures 5 x (9 + 1) = 50 pixels; the last glyph's ink ends 1 pixel early.
    const struct {
        unsigned align;
        float scale;
        Box covered;
    } cases[] = {
        {0, 1, {100, 200, 149, 216}},
        {ALIGN_CENTER_X, 1, {75, 200, 124, 216}},
        {3, 1, {75, 200, 124, 216}},
        {ALIGN_RIGHT, 1, {50, 200, 99, 216}},
        {ALIGN_BOTTOM, 1, {100, 184, 149, 200}},
        {12, 1, {100, 192, 149, 208}},
        {12, 2, {100, 184, 198, 216}},
    };
    for (const auto& c : cases) {
        clearScreen(0, 0, 0);
        font.drawTextRGBA(100, 200, c.align, "XXXXX", 1, 1, 1, 1, c.scale);
        EXPECT_EQ(litBox(), c.covered) << "align " << c.align << " scale " << c.scale;
    }
}

TEST_F(UIFontOpenGLSDLDraw, ScaleWidensGlyphsAndGaps) {
    font.drawTextRGBA(100, 50, 0, "XX", 1, 1, 1, 1, 2);
    EXPECT_EQ(litBox(), (Box{100, 50, 138, 82}));
    EXPECT_EQ(GLWindow::readPixel(119, 60).r, 0);
}

TEST_F(UIFontOpenGLSDLDraw, UnknownBytesAndIndicesPastTheSheetDrawTheFirstGlyph) {
    // "Z" is in the set but the sheet has only two cells.
    for (const char* text : {"\n", "Z"}) {
        clearScreen(0, 0, 0);
        font.drawTextRGBA(10, 10, 0, text, 1, 1, 1, 1, 1);
        EXPECT_EQ(litBox(), (Box{10, 10, 19, 26})) << int(text[0]);
        EXPECT_EQ(font.textWidth(text, 1), 10);
    }
}
