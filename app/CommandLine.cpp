#include "app/CommandLine.h"

#include <cerrno>
#include <utility>
#include <cstdlib>
#include <cstring>

namespace {
bool parseNumber(const char* text, unsigned long long limit, unsigned long long& value) {
    if (!text || !*text || *text == '-')
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && value <= limit;
}

/// Reads a whole number from `low` to `high` given to `option`; false with a reason naming
/// the range otherwise.
bool parseRange(const std::string& option, const char* text, unsigned long long low,
                unsigned long long high, unsigned long long& value, std::string& reason) {
    if (parseNumber(text, high, value) && value >= low)
        return true;
    reason = option + " needs a whole number from " + std::to_string(low) + " to " +
             std::to_string(high) + ", not '" + text + "'";
    return false;
}
} // namespace

bool CommandLine::parse(int argc, char** argv, std::string& reason) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        // The video-mode word: a first word that is no option (only its first letter counts).
        if (i == 1 && word.rfind('-', 0) != 0)
            continue;
        // The screensaver's own words come with one dash or two.
        if (word == "-root" || word == "-window-id")
            word = "-" + word;
        if (parseFlag(word))
            continue;
        if (!parseValue(word, i + 1 < argc ? argv[i + 1] : nullptr, reason)) {
            if (reason.empty())
                reason = "unknown option " + word;
            return false;
        }
        ++i;
    }
    return checkCombinations(reason);
}

bool CommandLine::parseFlag(const std::string& word) {
    const std::pair<const char*, bool*> flags[] = {{"--root", &screensaver},
                                                   {"--sound", &sound},
                                                   {"--help", &help},
                                                   {"--version", &version},
                                                   {"--autopilot", &autopilot},
                                                   {"--play-on", &playOn},
                                                   {"--share", &share}};
    for (const auto& [name, flag] : flags) {
        if (word == name) {
            *flag = true;
            return true;
        }
    }
    return false;
}

std::string* CommandLine::pathOption(const std::string& word) {
    const std::pair<const char*, std::string*> options[] = {
        {"--window-id", &windowId}, {"--record", &recordPath}, {"--replay", &replayPath},
        {"--screenshot", &screenshotPath}, {"--wav", &wavPath}, {"--video", &videoPath},
        {"--replay-saves", &replaySavesPath}};
    for (const auto& [name, path] : options) {
        if (word == name)
            return path;
    }
    return nullptr;
}

bool CommandLine::parseValue(const std::string& word, const char* value, std::string& reason) {
    std::string* const path = pathOption(word);
    const bool number = word == "--seed" || word == "--frames" || word == "--fps";
    if (!path && !number)
        return false;
    if (!value) {
        reason = word + " needs a value";
        return false;
    }
    if (path) {
        *path = value;
        screensaver = screensaver || word == "--window-id";
        return true;
    }
    const bool isSeed = word == "--seed";
    const unsigned long long high = isSeed ? UINT32_MAX : word == "--frames" ? 1000000000 : 1000;
    unsigned long long parsed = 0;
    if (!parseRange(word, value, isSeed ? 0 : 1, high, parsed, reason))
        return false;
    if (isSeed)
        seed = static_cast<uint32_t>(parsed);
    else if (word == "--frames")
        frames = static_cast<int>(parsed);
    else
        fps = static_cast<int>(parsed);
    return true;
}

bool CommandLine::checkCombinations(std::string& reason) {
    if (!recordPath.empty() && !replayPath.empty()) {
        reason = "--record and --replay cannot be used together";
        return false;
    }
    // A replay's recorded input stands in for a screensaver's autopilot, and it keeps the
    // replay's own frames, so that its pictures are those of the same replay in a window.
    if (screensaver && replayPath.empty()) {
        autopilot = true;
        fps = fps ? fps : SCREENSAVER_FPS;
    }
    if (autopilot && !replayPath.empty()) {
        reason = "--autopilot and --replay cannot be used together";
        return false;
    }
    if ((playOn || !replaySavesPath.empty()) && replayPath.empty()) {
        reason = "--play-on and --replay-saves go with --replay";
        return false;
    }
    if (playOn && (!videoPath.empty() || !wavPath.empty() || screensaver)) {
        reason = "--play-on goes on live after the replay: it takes no --video, --wav, --root or "
                 "--window-id";
        return false;
    }
    if (share && (!recordPath.empty() || (!replayPath.empty() && !playOn))) {
        reason = "--share keeps a live run's jam: it takes no --record, and --replay only with "
                 "--play-on";
        return false;
    }
    if (screenshotPath.empty() != (frames == 0)) {
        reason = "--screenshot and --frames go together";
        return false;
    }
    if (!videoPath.empty() && (replayPath.empty() || frames > 0 || fps > 0 || screensaver)) {
        reason = "--video renders a whole recording at 60 frames/s in a window of the picture's "
                 "size: it needs --replay and takes no --frames, --fps, --root or --window-id";
        return false;
    }
    return true;
}

const char* CommandLine::usage() {
    return "Usage: quillomer [w|f] [options]\n"
           "\n"
           "A first word beginning with 'w' opens a window, one beginning with 'f' the full\n"
           "screen (only its first letter counts); without it full screen is tried first.\n"
           "\n"
           "Mouse: move to stir the field and play the synthesiser (pitch follows x,\n"
           "loudness y); drag up or down with the right button to resize the brush; the\n"
           "bottom-right corner clears the field. The panel's sliders and buttons take\n"
           "presses and drags while it is shown.\n"
           "Keys: u panel, g grid, v cell vectors, r clear field, s pause or resume sound,\n"
           "Escape quit. Save and Load on the panel use state.dat in the working directory.\n"
           "\n"
           "Options:\n"
           "  --autopilot          stir by itself: a path of the seed (or the time) that moves,\n"
           "                       rests, resizes the brush and changes modes; real input\n"
           "                       takes over, and it resumes after 10 s without any\n"
           "  --seed N             start both random generators (and the autopilot) from N\n"
           "  --fps N              draw at most N frames a second (the simulation and the\n"
           "                       sound keep their pace)\n"
           "  --record FILE        record the run's timing and input to FILE\n"
           "  --replay FILE        replay a recording (or a link to one, or a file holding the\n"
           "                       link) instead of real input; quits at its end\n"
           "  --play-on            with --replay: show the replay at its pace, then go on live\n"
           "  --replay-saves FILE  with --replay: where the replayed run's saves go (default\n"
           "                       state.dat in the working directory)\n"
           "  --share              keep the jam (from the start or the last clear of the field)\n"
           "                       for a link, as the page's Share button does\n"
           "  --screenshot FILE    with --frames N: after N drawn frames, save the window as\n"
           "  --frames N           a PNG and quit\n"
           "  --wav FILE           also write the sound to a WAV file (44.1 kHz, 16-bit stereo);\n"
           "                       with --replay, rendered offline at the recording's pace\n"
           "  --video FILE         with --replay: render the recording offline into a video\n"
           "                       with sound at 60 frames/s, FILE ending in .mp4 (H.264 and\n"
           "                       AAC) or .webm (VP9 and Opus); Ctrl-C stops it\n"
           "  --root               run as a display mode of the X screensaver: draw into the\n"
           "                       window in XSCREENSAVER_WINDOW (else the root window)\n"
           "  --window-id ID       run as a screensaver display mode drawing into window ID;\n"
           "                       either one turns the autopilot on, draws 30 frames a\n"
           "                       second unless --fps says otherwise, and is silent; with\n"
           "                       --replay the recording plays instead of the autopilot\n"
           "  --sound              with --root or --window-id: play the sound too\n"
           "  --help               print this text\n"
           "  --version            print the version\n";
}
