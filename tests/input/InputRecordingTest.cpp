#include "input/InputRecording.h"
#include "sim/RandomGenerator.h"
#include "tests/support/FirstVersionRecording.h"
#include "tests/support/RecordingChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
using Access = InputRecording::StateAccess;

InputRecording::Entry reading(Uint32 ticks) {
    InputRecording::Entry entry;
    entry.ticks = ticks;
    return entry;
}

InputRecording::Entry motion(int x, int y, Uint8 buttons = 0) {
    InputRecording::Entry entry;
    entry.isEvent = true;
    entry.event.type = SDL_MOUSEMOTION;
    entry.event.motion.x = static_cast<Uint16>(x);
    entry.event.motion.y = static_cast<Uint16>(y);
    entry.event.motion.state = buttons;
    return entry;
}

InputRecording::Entry button(Uint32 type, Uint8 which, int x, int y) {
    InputRecording::Entry entry;
    entry.isEvent = true;
    entry.event.type = static_cast<decltype(entry.event.type)>(type);
    entry.event.button.button = which;
    entry.event.button.x = static_cast<Uint16>(x);
    entry.event.button.y = static_cast<Uint16>(y);
    return entry;
}

InputRecording::Entry key(Uint32 type, SDLKey symbol, bool escapeHeld) {
    InputRecording::Entry entry;
    entry.isEvent = true;
    entry.event.type = static_cast<decltype(entry.event.type)>(type);
    entry.event.key.keysym.sym = symbol;
    entry.event.key.keysym.mod = KMOD_NUM;
    entry.event.key.keysym.unicode = 'r';
    entry.escapeHeld = escapeHeld;
    return entry;
}

Access access(Access::Kind kind, Access::Outcome outcome, std::vector<uint8_t> bytes = {},
              std::string reason = "") {
    Access made;
    made.kind = kind;
    made.outcome = outcome;
    made.bytes = std::move(bytes);
    made.reason = std::move(reason);
    return made;
}

/// A jam of continuous stirring: a pass every 16 or 17 ms, each with a mouse motion along a
/// wandering loop, as a browser delivers one motion per frame.
InputRecording stirring(int seconds) {
    InputRecording jam;
    jam.start.particleSeed = jam.start.tintSeed = 1234;
    RandomGenerator random(99);
    Uint32 now = 1500;
    jam.entries.push_back(reading(now));
    for (int pass = 0; pass < seconds * 60; ++pass) {
        const double angle = pass * 0.05;
        const int x = 512 + static_cast<int>(300 * std::cos(angle) + 40 * std::sin(angle * 3.1));
        const int y = 384 + static_cast<int>(200 * std::sin(angle * 1.3)) + random.nextInt31() % 3;
        jam.entries.push_back(motion(x, y));
        now += 16 + random.nextInt31() % 2;
        jam.entries.push_back(reading(now));
    }
    return jam;
}
} // namespace

// Damaged copies of the shipped demo recording (of the first version), which starts with a tick
// reading.
TEST(InputRecording, RefusesWhatIsNotAWholeRecording) {
    std::ifstream file("data/demo.rec", std::ios::binary);
    const std::vector<uint8_t> good{std::istreambuf_iterator<char>(file), {}};
    InputRecording decoded;
    std::string reason;
    ASSERT_TRUE(InputRecording::decode(good, decoded, reason)) << reason;
    EXPECT_FALSE(decoded.carriesStart());
    std::vector<uint8_t> otherVersion = good, unknownEntry = good, afterEnd = good;
    otherVersion[4] = 3;
    unknownEntry[8] = 'X';
    afterEnd.push_back('T');
    InputRecording::Entry noKey = key(SDL_KEYDOWN, static_cast<SDLKey>(SDLK_LAST), false);
    const std::vector<uint8_t> unknownKey = FirstVersionRecording::encode({noKey});
    const std::vector<uint8_t> compact = stirring(1).encode();
    std::vector<uint8_t> flipped = compact, longer = compact;
    flipped[compact.size() / 2] ^= 0x10;
    longer.push_back(0);
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {"empty", {}, "not a Quillomer recording"},
        {"wrong magic", {'Q', 'R', 'E', 'X', 1, 0, 0, 0, 'Z'}, "not a Quillomer recording"},
        {"wrong version", otherVersion, "version 3"},
        {"cut inside an entry", std::vector<uint8_t>(good.begin(), good.begin() + 11), "truncated"},
        {"cut between entries", std::vector<uint8_t>(good.begin(), good.end() - 1), "truncated"},
        {"unknown entry", unknownEntry, "unknown entry"},
        {"bytes after the end", afterEnd, "after its end"},
        {"a key no keyboard has", unknownKey, "no run records"},
        {"compact, cut short", std::vector<uint8_t>(compact.begin(), compact.end() - 3), "truncated"},
        {"compact, a byte changed", flipped, "damaged"},
        {"compact, bytes after", longer, "after its end"},
    };
    for (const auto& test : cases) {
        InputRecording untouched;
        untouched.entries.resize(1);
        reason.clear();
        EXPECT_FALSE(InputRecording::decode(test.bytes, untouched, reason)) << test.what;
        EXPECT_NE(reason.find(test.reason), std::string::npos) << test.what << ": " << reason;
        EXPECT_EQ(untouched.entries.size(), 1u) << test.what << ": nothing returned";
    }
}

TEST(InputRecording, CarriesItsStartStateAccessesAndEveryEventThroughFileAndLink) {
    InputRecording jam;
    jam.start.particleSeed = 42;
    jam.start.tintSeed = 0xFFFFFFFFu;
    RunSettings& settings = jam.start.settings;
    settings.panel.age = 1.0 / 3;
    settings.panel.gradientMode = GradientMode::Multiply;
    settings.panel.particleMode = ParticleMode::Normal;
    settings.panel.showCells = true;
    settings.brushRadius = 384.0f;
    settings.cursor = {1000, -3, 999.75f, 0.5f};
    settings.panelShown = true;
    settings.soundOn = false;
    settings.field.resize(4800);
    settings.field[4799] = {-1.5f, 2.25f};
    const std::vector<uint8_t> saved(38434, 7);
    jam.stateAccesses = {access(Access::Kind::Read, Access::Outcome::Missing),
                         access(Access::Kind::Write, Access::Outcome::Done, saved),
                         access(Access::Kind::Read, Access::Outcome::Done, saved),
                         access(Access::Kind::Read, Access::Outcome::Failed, {}, "Permission denied"),
                         access(Access::Kind::Write, Access::Outcome::Failed, {}, "No space left")};
    jam.entries = {reading(4000000000u), motion(0, 0),    motion(1023, 767, SDL_BUTTON(3)),
                   motion(65535, 2),     reading(4000000017u), button(SDL_MOUSEBUTTONDOWN, 3, 5, 60000),
                   button(SDL_MOUSEBUTTONUP, 1, 0, 0),    key(SDL_KEYDOWN, SDLK_r, true),
                   key(SDL_KEYUP, SDLK_ESCAPE, false),    reading(4000000017u)};
    jam.entries.push_back(InputRecording::Entry());
    jam.entries.back().isEvent = true;
    jam.entries.back().event.type = SDL_QUIT;

    InputRecording decoded;
    std::string reason;
    ASSERT_TRUE(InputRecording::decode(jam.encode(), decoded, reason)) << reason;
    EXPECT_TRUE(decoded.carriesStart());
    EXPECT_TRUE(RecordingChecks::sameRecording(jam, decoded));
    EXPECT_TRUE(decoded.stateAccesses[2].repeatsLast) << "a read of the saved bytes is not stored";

    const std::string link = jam.link("https://example.org/quillomer/");
    EXPECT_EQ(link.rfind("https://example.org/quillomer/#jam=", 0), 0u);
    InputRecording fromLink;
    ASSERT_TRUE(InputRecording::decodeLink("See this: " + link + "\n", fromLink, reason)) << reason;
    EXPECT_TRUE(RecordingChecks::sameRecording(jam, fromLink));
    for (const std::string& bad : {std::string("no link"), link.substr(0, link.size() - 1) + "*",
                                  link.substr(0, link.size() - 5)}) {
        reason.clear();
        EXPECT_FALSE(InputRecording::decodeLink(bad, fromLink, reason)) << bad;
        EXPECT_FALSE(reason.empty());
    }
}

// A few bytes that would decode into an endless or huge run are refused at the limits.
TEST(InputRecording, RefusesJamsBeyondTheLimits) {
    InputRecording tooLong = stirring(1);
    tooLong.entries.push_back(reading(tooLong.entries.back().ticks + InputRecording::MAX_LENGTH_MS));
    InputRecording tooMany;
    tooMany.entries.assign(InputRecording::MAX_ENTRIES + 1, reading(5));
    const std::vector<uint8_t> bomb = tooMany.encode();
    EXPECT_LT(bomb.size(), 16384u) << "a bomb is small";
    for (const std::vector<uint8_t>& bytes : {tooLong.encode(), bomb}) {
        InputRecording decoded;
        std::string reason;
        EXPECT_FALSE(InputRecording::decode(bytes, decoded, reason));
        EXPECT_NE(reason.find("longer than a recording may be"), std::string::npos) << reason;
    }
    // Reads of ever new state files, each of the allowed size: together beyond the limit.
    InputRecording manyFiles;
    for (uint8_t file = 0; manyFiles.stateAccesses.size() * InputRecording::MAX_STATE_BYTES <=
                           InputRecording::MAX_STATE_BYTES_IN_ALL;
         ++file)
        manyFiles.stateAccesses.push_back(access(Access::Kind::Read, Access::Outcome::Done,
                                                 std::vector<uint8_t>(InputRecording::MAX_STATE_BYTES, file)));
    const std::vector<uint8_t> files = manyFiles.encode();
    EXPECT_LT(files.size() * 20, InputRecording::MAX_STATE_BYTES_IN_ALL) << "a bomb is small";
    InputRecording decoded;
    std::string reason;
    EXPECT_FALSE(InputRecording::decode(files, decoded, reason));
    EXPECT_NE(reason.find("state.dat accesses"), std::string::npos) << reason;
}

TEST(InputRecording, TwentySecondsOfStirringFitALinkForChat) {
    const size_t characters = stirring(20).link("").size();
    RecordProperty("characters", static_cast<int>(characters));
    EXPECT_LE(characters, 2000u - 60) << "with room for the page's address";
}
