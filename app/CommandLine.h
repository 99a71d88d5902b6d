// The program's command line: a first word beginning with 'w' (windowed) or 'f' (full
// screen) picks the video mode; the words after it are options, each known by name. An X screensaver
// starts its display modes with --root or --window-id ID (also with one dash).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct CommandLine {
    std::optional<uint32_t> seed;  ///< --seed N: both random generators start from N
    std::string recordPath;        ///< --record FILE
    std::string replayPath;        ///< --replay FILE (or a link)
    bool playOn = false;           ///< --play-on: after the replay the player goes on
    std::string replaySavesPath;   ///< --replay-saves FILE: where a replay's saves go
    bool share = false;            ///< --share: keep the jam for a link (the page's Share)
    std::string screenshotPath;    ///< --screenshot FILE (with --frames N)
    int frames = 0;                ///< --frames N
    int fps = 0;                   ///< --fps N: at most N frames a second (0: no limit)
    std::string wavPath;           ///< --wav FILE
    std::string videoPath;         ///< --video FILE (with --replay)
    bool autopilot = false;        ///< --autopilot (on in a screensaver that replays nothing)
    bool screensaver = false;      ///< --root or --window-id: a screensaver's display mode
    std::string windowId;          ///< --window-id ID; empty: XSCREENSAVER_WINDOW or the root
    bool sound = false;            ///< --sound: a screensaver plays sound too
    bool help = false;             ///< --help
    bool version = false;          ///< --version

    /// Frames a second a screensaver draws unless --fps says otherwise.
    static constexpr int SCREENSAVER_FPS = 30;

    /// Reads the options; false with a reason for an unknown option or word (named wherever it
    /// stands), a missing or bad value, or options that do not go together.
    bool parse(int argc, char** argv, std::string& reason);
    /// The usage text printed by --help.
    static const char* usage();

private:
    bool parseFlag(const std::string& word);
    std::string* pathOption(const std::string& word);
    bool parseValue(const std::string& word, const char* value, std::string& reason);
    bool checkCombinations(std::string& reason);
};
