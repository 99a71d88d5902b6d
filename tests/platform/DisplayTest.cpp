#include "platform/Display.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>

namespace {
// The attempts for a command line with `argument` (if any) as its first word, such as "32F 8W ".
std::string attemptsFor(const char* argument) {
    char program[] = "quillomer";
    std::string word = argument ? argument : "";
    char* argv[] = {program, word.data(), nullptr};
    std::string text;
    for (const VideoMode& mode : videoModeAttempts(argument ? 2 : 1, argv))
        text += std::to_string(mode.bitsPerPixel) + (mode.fullScreen ? "F " : "W ");
    return text;
}

bool bitSet(const std::array<uint8_t, 128>& plane, int row, int column) {
    return plane[row * 4 + column / 8] & (0x80 >> (column % 8));
}
} // namespace

TEST(Display, VideoModeOrderFollowsTheFirstArgumentsFirstLetter) {
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "32F 24F 16F 32W 24W 16W 8F 8W 32F "},
        {"windowed", "32W 24W 16W 32W 24W 16W 8W 8W 32W "},
        {"fullscreen", "32F 24F 16F 32F 24F 16F 8F 8F 32F "},
        {"W", "32F 24F 16F 32W 24W 16W 8F 8W 32F "}, // only lower-case letters count
        {"F", "32F 24F 16F 32W 24W 16W 8F 8W 32F "},
        {"", "32F 24F 16F 32W 24W 16W 8F 8W 32F "},
    };
    for (const auto& [argument, expected] : cases)
        EXPECT_EQ(attemptsFor(argument), expected) << (argument ? argument : "(none)");
}

TEST(Display, CursorPlanesAndHotSpotComeFromTheXpmPicture) {
    for (int row = 0; row < 32; ++row)
        ASSERT_EQ(std::strlen(cursorImage[4 + row]), 32u) << "row " << row;

    const CursorBits bits = cursorBitsFrom(cursorImage);
    EXPECT_EQ(std::pair(bits.hotX, bits.hotY), std::pair(15, 0));
    // The tip: 'X' is black (data and mask), '.' white (mask only), blank clear.
    EXPECT_TRUE(bitSet(bits.data, 0, 15) && bitSet(bits.mask, 0, 15));
    EXPECT_TRUE(!bitSet(bits.data, 1, 15) && bitSet(bits.mask, 1, 15));
    EXPECT_TRUE(!bitSet(bits.data, 0, 14) && !bitSet(bits.mask, 0, 14));
    EXPECT_EQ(bits.data[0], 0);
    EXPECT_EQ(bits.data[1], 0x01); // column 15 is the last bit of the second byte
    // Rows 17 to 31 are blank.
    for (int byte = 17 * 4; byte < 128; ++byte)
        ASSERT_EQ(bits.mask[byte], 0) << byte;
}
