#include "app/InputRecording.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {
SDL_Event keyDown(SDLKey key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = key;
    event.key.keysym.mod = KMOD_LSHIFT;
    event.key.keysym.unicode = 'G';
    return event;
}

std::vector<uint8_t> sampleRecording() {
    std::vector<uint8_t> bytes = InputRecording::header();
    InputRecording::appendTicks(bytes, 1234);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.state = 1;
    motion.motion.x = 1000;
    motion.motion.y = 700;
    motion.motion.xrel = -5;
    motion.motion.yrel = 3;
    InputRecording::appendEvent(bytes, motion, false);
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONUP;
    press.button.button = SDL_BUTTON_RIGHT;
    press.button.x = 20;
    press.button.y = 728;
    InputRecording::appendEvent(bytes, press, false);
    InputRecording::appendEvent(bytes, keyDown(SDLK_g), true);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    InputRecording::appendEvent(bytes, quit, false);
    InputRecording::appendTicks(bytes, 0xFFFFFFFFu);
    InputRecording::appendEnd(bytes);
    return bytes;
}
} // namespace

TEST(InputRecording, RefusesWhatIsNotAWholeRecordingOfThisVersion) {
    const std::vector<uint8_t> good = sampleRecording();
    std::vector<uint8_t> otherVersion = good, unknownEntry = good, afterEnd = good;
    otherVersion[4] = 2;
    unknownEntry[8] = 'X';
    afterEnd.push_back('T');
    std::vector<uint8_t> unknownKey = InputRecording::header();
    InputRecording::appendEvent(unknownKey, keyDown(static_cast<SDLKey>(SDLK_LAST)), false);
    InputRecording::appendEnd(unknownKey);
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {"empty", {}, "not a Quillomer recording"},
        {"wrong magic", {'Q', 'R', 'E', 'X', 1, 0, 0, 0, 'Z'}, "not a Quillomer recording"},
        {"wrong version", otherVersion, "version 2"},
        {"cut inside an entry", std::vector<uint8_t>(good.begin(), good.begin() + 11),
         "truncated"},
        {"cut between entries", std::vector<uint8_t>(good.begin(), good.end() - 1), "truncated"},
        {"unknown entry", unknownEntry, "unknown entry"},
        {"bytes after the end", afterEnd, "after its end"},
        {"a key no keyboard has", unknownKey, "no run records"},
    };
    for (const auto& test : cases) {
        std::vector<InputRecording::Entry> entries(1);
        std::string reason;
        EXPECT_FALSE(InputRecording::decode(test.bytes, entries, reason)) << test.what;
        EXPECT_NE(reason.find(test.reason), std::string::npos) << test.what << ": " << reason;
        EXPECT_EQ(entries.size(), 1u) << test.what << ": nothing returned";
    }
}
