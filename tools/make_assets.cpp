// Writes every PNG the program loads from data/: the glow sprite, the gradient overlay, the
// slider and button images and the two glyph sheets; and the program's icon at the sizes a
// desktop menu asks for. The output depends only on the font file and the library versions,
// so running it again rewrites the same bytes.
//
// Usage: make_assets DATA_DIR ICON_DIR FONT_PATH
#include "render/UIFont.h"
#include "tools/Picture.h"
#include "tools/makeIcon.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

/// Coverage of pixel (x, y) by a rectangle with rounded corners, smoothed over one pixel.
float roundedCoverage(int x, int y, float left, float top, float right, float bottom,
                      float radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float dx = std::fabs(x + 0.5f - cx) - ((right - left) / 2 - radius);
    const float dy = std::fabs(y + 0.5f - cy) - ((bottom - top) / 2 - radius);
    const float outside = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f)) +
                          std::min(std::max(dx, dy), 0.0f) - radius;
    return std::clamp(0.5f - outside, 0.0f, 1.0f);
}

// White everywhere, alpha falling smoothly from the centre to 0 at the rim, for additive glow.
Picture makeFlare(int side) {
    Picture flare(side, side);
    const float centre = side / 2.0f;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const float d = std::hypot(x + 0.5f - centre, y + 0.5f - centre) / centre;
            const float alpha = d >= 1 ? 0 : std::pow(1 - d, 2.0f) * (1 - d * d);
            flare.set(x, y, {1, 1, 1, alpha});
        }
    return flare;
}

// Four bright corner colours blended across the picture with a slow diagonal swell; every
// channel stays high so that multiplying the scene by it tints rather than darkens.
Picture makeGradient(int width, int height) {
    const Colour topLeft = {1.00f, 0.62f, 0.50f, 0}, topRight = {0.55f, 0.80f, 1.00f, 0};
    const Colour bottomLeft = {0.60f, 1.00f, 0.62f, 0}, bottomRight = {1.00f, 0.88f, 0.48f, 0};
    Picture gradient(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float u = (x + 0.5f) / width, v = (y + 0.5f) / height;
            const Colour base = mix(mix(topLeft, topRight, u), mix(bottomLeft, bottomRight, u), v);
            const float swell = 0.06f * std::sin((u + v) * 6.2831853f);
            gradient.set(x, y, {base.r + swell, base.g + swell, base.b - swell, 0.4f});
        }
    return gradient;
}

// A groove along the middle of the track, running under the thumb's whole travel.
Picture makeSliderTrack(int width, int height) {
    const Colour groove = {0.16f, 0.18f, 0.24f, 0.9f}, rim = {0.55f, 0.60f, 0.72f, 0.9f};
    Picture track(width, height);
    const float top = height / 2.0f - 3, bottom = height / 2.0f + 3;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float outer = roundedCoverage(x, y, 1, top, width - 1.0f, bottom, 3);
            const float inner = roundedCoverage(x, y, 2, top + 1, width - 2.0f, bottom - 1, 2);
            track.set(x, y, withAlpha(mix(rim, groove, inner), outer * 0.9f));
        }
    return track;
}

// A light knob with a darker outline and a grip line down its middle.
Picture makeSliderThumb(int width, int height) {
    const Colour light = {0.92f, 0.94f, 0.98f, 1}, shade = {0.58f, 0.62f, 0.72f, 1};
    const Colour outline = {0.22f, 0.25f, 0.33f, 1};
    Picture thumb(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float outer = roundedCoverage(x, y, 0, 0, width, height, 3);
            const float inner = roundedCoverage(x, y, 1, 1, width - 1.0f, height - 1.0f, 2);
            Colour body = mix(light, shade, static_cast<float>(y) / (height - 1));
            if (x == width / 2 - 1 && y > 3 && y < height - 4)
                body = shade;
            thumb.set(x, y, withAlpha(mix(outline, body, inner), outer));
        }
    return thumb;
}

struct ButtonLook {
    Colour top, bottom;        // body gradient
    Colour upperRim, lowerRim; // bevel: light above and dark below (or the reverse)
    float bodyShift;           // rows the body's light moves down (pressed look)
};

const ButtonLook BUTTON_UP = {{0.34f, 0.43f, 0.62f, 1},
                              {0.14f, 0.18f, 0.30f, 1},
                              {0.64f, 0.72f, 0.90f, 1},
                              {0.08f, 0.10f, 0.18f, 1},
                              0};
const ButtonLook BUTTON_DOWN = {{0.10f, 0.13f, 0.22f, 1},
                                {0.27f, 0.34f, 0.50f, 1},
                                {0.04f, 0.05f, 0.10f, 1},
                                {0.45f, 0.52f, 0.70f, 1},
                                2};

Picture makeButton(int width, int height, const ButtonLook& look) {
    const float radius = height / 6.0f;
    Picture button(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float outer = roundedCoverage(x, y, 0, 0, width, height, radius);
            const float inner = roundedCoverage(x, y, 1, 1 + look.bodyShift, width - 1.0f,
                                                height - 1.0f, radius - 1);
            const float t = static_cast<float>(y) / (height - 1);
            const Colour rim = mix(look.upperRim, look.lowerRim, t);
            button.set(x, y, withAlpha(mix(rim, mix(look.top, look.bottom, t), inner), outer));
        }
    return button;
}

/// Vertical extent of a rendered glyph: rows above and below the baseline.
struct GlyphExtent {
    int above = 0, below = 0, width = 0;
};

bool loadGlyph(FT_Face face, unsigned char byte) {
    // The charset's bytes are ISO 8859-1, whose codes are the Unicode code points.
    return FT_Load_Char(face, byte, FT_LOAD_RENDER) == 0;
}

GlyphExtent measureCharset(FT_Face face) {
    GlyphExtent extent;
    for (const char* c = UIFont::STANDARD_CHARSET; *c; ++c) {
        if (!loadGlyph(face, static_cast<unsigned char>(*c)))
            continue;
        const FT_GlyphSlot slot = face->glyph;
        extent.above = std::max(extent.above, slot->bitmap_top);
        extent.below =
            std::max(extent.below, static_cast<int>(slot->bitmap.rows) - slot->bitmap_top);
        extent.width = std::max(extent.width, static_cast<int>(slot->bitmap.width));
    }
    return extent;
}

// The largest pixel size at which every glyph of the charset fits in a cell.
GlyphExtent fitToCell(FT_Face face, int cell) {
    for (int size = cell; size > 1; --size) {
        FT_Set_Pixel_Sizes(face, 0, size);
        const GlyphExtent extent = measureCharset(face);
        if (extent.above + extent.below <= cell && extent.width <= cell)
            return extent;
    }
    return measureCharset(face);
}

// Copies the rendered glyph into its cell: centred across, its baseline on `baseline`.
void drawGlyph(Picture& sheet, FT_GlyphSlot slot, int cellTop, int cell, int baseline) {
    const FT_Bitmap& bitmap = slot->bitmap;
    const int left = (cell - static_cast<int>(bitmap.width)) / 2;
    const int top = cellTop + baseline - slot->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row)
        for (unsigned column = 0; column < bitmap.width; ++column) {
            const int x = left + static_cast<int>(column), y = top + static_cast<int>(row);
            if (x < 0 || x >= cell || y < cellTop || y >= cellTop + cell)
                continue;
            const float coverage = bitmap.buffer[row * bitmap.pitch + column] / 255.0f;
            sheet.set(x, y, {1, 1, 1, coverage});
        }
}

// Alpha of the faint ring drawn around every glyph of a sheet that asks for one: just above
// the fonts' ink threshold (16), so the ring counts as ink and widens each glyph by a pixel on
// either side without being seen as more than a soft edge.
const float HALO_ALPHA = 24 / 255.0f;

// Raises every transparent pixel next to ink in the same cell to the halo's alpha.
void addHalo(Picture& sheet, int cell) {
    const Picture glyphs = sheet;
    auto alphaAt = [&](int x, int y) {
        return glyphs.bytes[(static_cast<size_t>(y) * glyphs.width + x) * 4 + 3];
    };
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < sheet.width; ++x) {
            if (alphaAt(x, y) >= HALO_ALPHA * 255)
                continue;
            bool nearInk = false;
            const int cellTop = y / cell * cell;
            for (int ny = std::max(cellTop, y - 1); ny <= std::min(cellTop + cell - 1, y + 1); ++ny)
                for (int nx = std::max(0, x - 1); nx <= std::min(sheet.width - 1, x + 1); ++nx)
                    nearInk = nearInk || alphaAt(nx, ny) > 64;
            if (nearInk)
                sheet.set(x, y, {1, 1, 1, HALO_ALPHA});
        }
}

// One column of square cells, one per character of the default set, white with alpha ink.
bool makeGlyphSheet(FT_Face face, int cell, Picture& sheet) {
    const GlyphExtent extent = fitToCell(face, cell);
    const int baseline = (cell - extent.above - extent.below) / 2 + extent.above;
    const int count = static_cast<int>(std::strlen(UIFont::STANDARD_CHARSET));
    sheet = Picture(cell, cell * count);
    for (int y = 0; y < sheet.height; ++y)
        for (int x = 0; x < cell; ++x)
            sheet.set(x, y, {1, 1, 1, 0});
    for (int i = 0; i < count; ++i) {
        if (!loadGlyph(face, static_cast<unsigned char>(UIFont::STANDARD_CHARSET[i])))
            return false;
        drawGlyph(sheet, face->glyph, i * cell, cell, baseline);
    }
    return true;
}

bool writeGlyphSheets(const std::string& outDir, const char* fontPath) {
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0)
        return false;
    FT_Face face;
    bool written = FT_New_Face(library, fontPath, 0, &face) == 0;
    if (written) {
        // The small font is drawn with letter spacing -1: its halo keeps a pixel between
        // glyphs.
        const struct {
            const char* name;
            int cell;
            bool halo;
        } sheets[] = {{"font_small.png", 12, true}, {"font_medium.png", 24, false}};
        for (const auto& s : sheets) {
            Picture sheet(0, 0);
            written = written && makeGlyphSheet(face, s.cell, sheet);
            if (written && s.halo)
                addHalo(sheet, s.cell);
            written = written && writePNG(outDir + "/" + s.name, sheet);
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return written;
}

bool writePictures(const std::string& outDir) {
    const struct {
        const char* name;
        Picture picture;
    } pictures[] = {
        {"flare.png", makeFlare(32)},
        {"gradient.png", makeGradient(512, 384)},
        {"slider_h.png", makeSliderTrack(130, 16)},
        {"slider_h_thumb.png", makeSliderThumb(10, 16)},
        {"button_up_small.png", makeButton(110, 32, BUTTON_UP)},
        {"button_down_small.png", makeButton(110, 32, BUTTON_DOWN)},
        {"button_up.png", makeButton(192, 48, BUTTON_UP)},
        {"button_down.png", makeButton(192, 48, BUTTON_DOWN)},
    };
    for (const auto& p : pictures)
        if (!writePNG(outDir + "/" + p.name, p.picture)) {
            std::fprintf(stderr, "make_assets: cannot write %s/%s\n", outDir.c_str(), p.name);
            return false;
        }
    return true;
}

// quillomer-SIZE.png for every size of the freedesktop icon theme's usual set, and the two a
// web app manifest asks for (192, 512).
bool writeIcons(const std::string& iconDir) {
    for (const int side : {16, 32, 48, 64, 128, 192, 256, 512}) {
        const std::string path = iconDir + "/quillomer-" + std::to_string(side) + ".png";
        if (!writePNG(path, makeIcon(side))) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", path.c_str());
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_assets DATA_DIR ICON_DIR FONT_PATH\n");
        return 2;
    }
    if (!writePictures(argv[1]) || !writeIcons(argv[2]))
        return 1;
    if (!writeGlyphSheets(argv[1], argv[3])) {
        std::fprintf(stderr, "make_assets: cannot render the glyph sheets from %s\n", argv[3]);
        return 1;
    }
    return 0;
}
