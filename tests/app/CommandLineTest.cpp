#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {
bool parse(std::vector<std::string> words, CommandLine& line, std::string& reason) {
    words.insert(words.begin(), "quillomer");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    return line.parse(static_cast<int>(words.size()), argv.data(), reason);
}
} // namespace

TEST(CommandLine, ReadsOptionsAfterTheVideoModeWord) {
    CommandLine line, plain;
    std::string reason;
    ASSERT_TRUE(parse({"w", "--seed", "4294967295", "--replay", "demo.rec", "--screenshot", "a.png",
                       "--frames", "30", "--wav", "a.wav"},
                      line, reason))
        << reason;
    EXPECT_EQ(std::tuple(line.seed.value_or(0), line.replayPath, line.screenshotPath, line.frames,
                         line.wavPath, line.help),
              std::tuple(4294967295u, "demo.rec", "a.png", 30, "a.wav", false));
    EXPECT_TRUE(parse({"fullscreen"}, plain, reason));
    EXPECT_FALSE(plain.seed.has_value());
    EXPECT_TRUE(parse({"--help"}, plain, reason) && plain.help && !plain.version);
    EXPECT_TRUE(parse({"--version"}, plain, reason) && plain.version);
    EXPECT_TRUE(parse({"--autopilot", "--fps", "20"}, plain, reason) && plain.autopilot &&
                plain.fps == 20);

    // A screensaver plays by itself at its own frame rate, unless a recording plays instead.
    CommandLine saver, replayed;
    EXPECT_TRUE(parse({"-root"}, saver, reason) && saver.screensaver && saver.autopilot &&
                saver.fps == CommandLine::SCREENSAVER_FPS);
    EXPECT_TRUE(parse({"--window-id", "42", "--replay", "a.rec"}, replayed, reason) &&
                replayed.screensaver && !replayed.autopilot && replayed.fps == 0)
        << reason;
}

TEST(CommandLine, RefusesBadOptionsWithAReason) {
    const std::vector<std::vector<std::string>> bad = {
        {"--seed"},
        {"--seed", "-1"},
        {"--seed", "4294967296"},
        {"--seed", "12x"},
        {"--frames", "0", "--screenshot", "a.png"},
        {"--screenshot", "a.png"},
        {"--frames", "10"},
        {"--record", "a", "--replay", "b"},
        {"--video", "a.mp4"},
        {"--replay", "a", "--video", "a.mp4", "--frames", "5", "--screenshot", "a.png"},
        {"--colour", "red"},
        {"--fps", "0"},
        {"--replay", "a", "--video", "a.mp4", "--fps", "20"},
        {"--replay", "a", "--video", "a.mp4", "--root"},
        {"--autopilot", "--replay", "a"},
    };
    for (const auto& words : bad) {
        CommandLine line;
        std::string reason;
        EXPECT_FALSE(parse(words, line, reason)) << words.front();
        EXPECT_FALSE(reason.empty()) << words.front();
    }
    // The reason names what is wrong: an unknown word wherever it stands, a number's range.
    const std::vector<std::pair<std::vector<std::string>, std::string>> reasons = {
        {{"w", "--bogus"}, "unknown option --bogus"},
        {{"w", "-seed", "7"}, "unknown option -seed"},
        {{"--seed", "7", "w"}, "unknown option w"},
        {{"--fps", "0"}, "--fps needs a whole number from 1 to 1000, not '0'"},
        {{"--replay"}, "--replay needs a value"},
    };
    for (const auto& [words, expected] : reasons) {
        CommandLine line;
        std::string reason;
        EXPECT_FALSE(parse(words, line, reason));
        EXPECT_EQ(reason, expected);
    }
}
