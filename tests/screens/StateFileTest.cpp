#include "screens/StateFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {
SavedState sample(int width, int height) {
    SavedState state;
    state.brushRadius = 100;
    state.gradientMode = 3;
    state.particleCount = 2500;
    state.age = 0.3f;
    state.colorMul = 0.7f;
    state.initXSpeed = 0.5f;
    state.initYSpeed = 0.25f;
    state.width = width;
    state.height = height;
    state.cells.resize(static_cast<size_t>(width * height));
    for (size_t i = 0; i < state.cells.size(); ++i)
        state.cells[i] = {static_cast<float>(i), -static_cast<float>(i) / 2};
    return state;
}

void putFloat(std::vector<uint8_t>& bytes, size_t offset, float value) {
    std::memcpy(&bytes[offset], &value, 4); // the test machine is little-endian
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
                                80,   0,    0,    0,    60, 0, 0, 0};
    EXPECT_EQ(std::memcmp(bytes.data(), header, sizeof header), 0);
    // Cell 1 is (1, -0.5): x then y.
    const uint8_t cell[8] = {0, 0, 0x80, 0x3F, 0, 0, 0, 0xBF};
    EXPECT_EQ(std::memcmp(&bytes[34 + 8], cell, sizeof cell), 0);
}

TEST(StateFile, DecodesWhatItEncodesAndSmallerGrids) {
    for (const auto& [width, height] : {std::pair{80, 60}, {40, 30}, {0, 0}, {1, 60}}) {
        const std::vector<uint8_t> bytes = StateFile::encode(sample(width, height));
        SavedState decoded;
        std::string reason;
        ASSERT_TRUE(StateFile::decode(bytes.data(), bytes.size(), decoded, reason)) << reason;
        EXPECT_EQ(decoded.width, width);
        EXPECT_EQ(decoded.cells.size(), static_cast<size_t>(width * height));
        EXPECT_EQ(StateFile::encode(decoded), bytes);
    }
}

TEST(StateFile, RefusesDamagedFilesWithAReasonAndReturnsNothing) {
    const std::vector<uint8_t> good = StateFile::encode(sample(80, 60));
    auto with = [&](auto change) {
        std::vector<uint8_t> bytes = good;
        change(bytes);
        return bytes;
    };
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty", {}},
        {"header cut short", std::vector<uint8_t>(good.begin(), good.begin() + 33)},
        {"last byte missing", std::vector<uint8_t>(good.begin(), good.end() - 1)},
        {"81 columns", with([](auto& b) { b[26] = 81; })},
        {"61 rows", with([](auto& b) { b[30] = 61; })},
        {"negative width", with([](auto& b) { b[29] = 0x80; })},
        {"huge height", with([](auto& b) { b[33] = 0x40; })},
        {"NaN in the field", with([](auto& b) { putFloat(b, 34 + 8 * 100, std::nanf("")); })},
        {"infinite radius", with([](auto& b) { putFloat(b, 1, INFINITY); })},
        {"NaN slider", with([](auto& b) { putFloat(b, 18, std::nanf("")); })},
    };
    for (const auto& test : cases) {
        SavedState decoded = sample(2, 2);
        std::string reason;
        EXPECT_FALSE(StateFile::decode(test.bytes.data(), test.bytes.size(), decoded, reason))
            << test.what;
        EXPECT_FALSE(reason.empty()) << test.what;
        EXPECT_EQ(decoded.width, 2) << test.what << ": the output is untouched";
    }
}
