#include "input/InputRecording.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Damaged copies of the shipped demo recording, which starts with a tick reading.
TEST(InputRecording, RefusesWhatIsNotAWholeRecordingOfThisVersion) {
    std::ifstream file("data/demo.rec", std::ios::binary);
    const std::vector<uint8_t> good{std::istreambuf_iterator<char>(file), {}};
    std::vector<InputRecording::Entry> decoded;
    std::string reason;
    ASSERT_TRUE(InputRecording::decode(good, decoded, reason)) << reason;
    std::vector<uint8_t> otherVersion = good, unknownEntry = good, afterEnd = good;
    otherVersion[4] = 2;
    unknownEntry[8] = 'X';
    afterEnd.push_back('T');
    SDL_Event noKey{};
    noKey.type = SDL_KEYDOWN;
    noKey.key.keysym.sym = static_cast<SDLKey>(SDLK_LAST);
    std::vector<uint8_t> unknownKey = InputRecording::header();
    InputRecording::appendEvent(unknownKey, noKey, false);
    InputRecording::appendEnd(unknownKey);
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {"empty", {}, "not a Quillomer recording"},
        {"wrong magic", {'Q', 'R', 'E', 'X', 1, 0, 0, 0, 'Z'}, "not a Quillomer recording"},
        {"wrong version", otherVersion, "version 2"},
        {"cut inside an entry", std::vector<uint8_t>(good.begin(), good.begin() + 11), "truncated"},
        {"cut between entries", std::vector<uint8_t>(good.begin(), good.end() - 1), "truncated"},
        {"unknown entry", unknownEntry, "unknown entry"},
        {"bytes after the end", afterEnd, "after its end"},
        {"a key no keyboard has", unknownKey, "no run records"},
    };
    for (const auto& test : cases) {
        std::vector<InputRecording::Entry> entries(1);
        reason.clear();
        EXPECT_FALSE(InputRecording::decode(test.bytes, entries, reason)) << test.what;
        EXPECT_NE(reason.find(test.reason), std::string::npos) << test.what << ": " << reason;
        EXPECT_EQ(entries.size(), 1u) << test.what << ": nothing returned";
    }
}
