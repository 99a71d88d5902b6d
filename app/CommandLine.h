// The program's command line: a first word beginning with 'w' (windowed) or 'f' (full
// screen) picks the video mode; words beginning with "--" are options.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct CommandLine {
    std::optional<uint32_t> seed;  ///< --seed N: both random generators start from N
    std::string recordPath;        ///< --record FILE
    std::string replayPath;        ///< --replay FILE
    std::string screenshotPath;    ///< --screenshot FILE (with --frames N)
    int frames = 0;                ///< --frames N
    std::string wavPath;           ///< --wav FILE
    std::string videoPath;         ///< --video FILE (with --replay)
    bool autopilot = false;        ///< --autopilot
    bool help = false;             ///< --help
    bool version = false;          ///< --version

    /// Reads the options; false with a reason for an unknown option or a missing or bad value.
    bool parse(int argc, char** argv, std::string& reason);
    /// The usage text printed by --help.
    static const char* usage();
};
