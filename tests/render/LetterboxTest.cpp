#include "render/Letterbox.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(Letterbox, FitsThePictureCentredAndMapsWindowPixelsBack) {
    const struct {
        int windowWidth, windowHeight;
        std::tuple<int, int, int, int> area;
    } cases[] = {
        {1024, 768, {0, 0, 1024, 768}},   // its own size: unscaled
        {1920, 1080, {240, 0, 1440, 1080}}, // wide: black left and right
        {800, 1000, {0, 200, 800, 600}},   // tall: black above and below
        {320, 200, {27, 0, 266, 200}},     // odd sizes truncate
    };
    for (const auto& test : cases) {
        const Letterbox box(test.windowWidth, test.windowHeight, 1024, 768);
        EXPECT_EQ(std::tuple(box.x(), box.y(), box.width(), box.height()), test.area)
            << test.windowWidth << " x " << test.windowHeight;
    }

    const auto picture = [](const Letterbox& box, int x, int y) {
        int px = -1, py = -1;
        box.toPicture(x, y, px, py);
        return std::tuple(px, py);
    };
    const Letterbox same(1024, 768, 1024, 768);
    EXPECT_EQ(picture(same, 0, 0), std::tuple(0, 0));
    EXPECT_EQ(picture(same, 1023, 767), std::tuple(1023, 767));
    EXPECT_EQ(picture(same, 517, 302), std::tuple(517, 302));
    const Letterbox wide(1920, 1080, 1024, 768);
    EXPECT_EQ(picture(wide, 240, 0), std::tuple(0, 0));
    EXPECT_EQ(picture(wide, 960, 540), std::tuple(512, 384));
    EXPECT_EQ(picture(wide, 1679, 1079), std::tuple(1023, 767));
    EXPECT_EQ(picture(wide, 10, 540), std::tuple(0, 384)) << "beside the picture: its edge";
    EXPECT_EQ(picture(wide, 1900, 540), std::tuple(1023, 384));
}
