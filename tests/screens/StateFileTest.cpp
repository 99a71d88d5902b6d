#include "screens/StateFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {
SavedState sample(int width, int height) {
    SavedState state{100, 3, 2500, 0.3f, 0.7f, 0.5f, 0.25f, width, height, {}};
    for (int i = 0; i < width * height; ++i)
        state.cells.push_back({static_cast<float>(i), -i / 2.0f});
    return state;
}
} // namespace

TEST(StateFile, EncodesTheLittleEndianLayout) {
    const std::vector<uint8_t> bytes = StateFile::encode(sample(80, 60));
    ASSERT_EQ(bytes.size(), 38434u);
    const uint8_t header[34] = {0,    0,    0,    0xC8, 0x42, // format, 100.0f
                                3,                            // gradient mode
                                0xC4, 0x09, 0,    0,          // 2500
                                0x9A, 0x99, 0x99, 0x3E,       // 0.3f
                                0x33, 0x33, 0x33, 0x3F,       // 0.7f
                                0,    0,    0,    0x3F,       // 0.5f
                                0,    0,    0x80, 0x3E,       // 0.25f
                                80,   0,    0,    0,    60,   0, 0, 0};
    EXPECT_EQ(std::memcmp(bytes.data(), header, sizeof header), 0);
    const uint8_t cell[8] = {0, 0, 0x80, 0x3F, 0, 0, 0, 0xBF}; // cell 1: x 1, then y -0.5
    EXPECT_EQ(std::memcmp(&bytes[34 + 8], cell, sizeof cell), 0);
}

TEST(StateFile, RefusesDamagedFilesWithAReasonAndReturnsNothing) {
    const std::vector<uint8_t> good = StateFile::encode(sample(80, 60));
    const struct {
        const char* what;
        size_t size;
        size_t offset;
        std::vector<uint8_t> patch;
    } cases[] = {
        {"empty", 0, 0, {}},
        {"header cut short", 33, 0, {}},
        {"last byte missing", good.size() - 1, 0, {}},
        {"81 columns", good.size(), 26, {81}},
        {"61 rows", good.size(), 30, {61}},
        {"negative width", good.size(), 29, {0x80}},
        {"NaN in the field", good.size(), 834, {0, 0, 0xC0, 0x7F}},
        {"infinite radius", good.size(), 1, {0, 0, 0x80, 0x7F}},
        // Values the program never writes: each outside what its control can give.
        {"radius 1e30", good.size(), 1, {0xCA, 0xF2, 0x49, 0x71}},
        {"radius 5", good.size(), 1, {0, 0, 0xA0, 0x40}},
        {"gradient mode 9", good.size(), 5, {9}},
        {"gradient mode -1", good.size(), 5, {0xFF}},
        {"particle count -7", good.size(), 6, {0xF9, 0xFF, 0xFF, 0xFF}},
        {"particle count 10001", good.size(), 6, {0x11, 0x27, 0, 0}},
        {"Age 1.5", good.size(), 10, {0, 0, 0xC0, 0x3F}},
        {"Init Y speed -0.5", good.size(), 22, {0, 0, 0, 0xBF}},
    };
    for (const auto& test : cases) {
        std::vector<uint8_t> bytes(good.begin(), good.begin() + static_cast<long>(test.size));
        std::copy(test.patch.begin(), test.patch.end(),
                  bytes.begin() + static_cast<long>(test.offset));
        SavedState decoded = sample(2, 2);
        std::string reason;
        EXPECT_FALSE(StateFile::decode(bytes.data(), bytes.size(), decoded, reason)) << test.what;
        EXPECT_FALSE(reason.empty()) << test.what;
        EXPECT_EQ(decoded.width, 2) << test.what << ": the output is untouched";
    }
    // The extremes the program can write are kept.
    SavedState edges = sample(80, 60);
    edges.brushRadius = 384;
    edges.gradientMode = 0;
    edges.particleCount = 10000;
    edges.age = 0;
    edges.initXSpeed = 1;
    const std::vector<uint8_t> bytes = StateFile::encode(edges);
    SavedState decoded;
    std::string reason;
    EXPECT_TRUE(StateFile::decode(bytes.data(), bytes.size(), decoded, reason)) << reason;
}
