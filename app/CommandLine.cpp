#include "app/CommandLine.h"

#include <cerrno>
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
} // namespace

bool CommandLine::parse(int argc, char** argv, std::string& reason) {
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        // The screensaver's own words come with one dash or two.
        if (word == "-root" || word == "-window-id")
            word = "-" + word;
        if (word == "--root") {
            screensaver = true;
            continue;
        }
        if (word == "--sound") {
            sound = true;
            continue;
        }
        if (word.rfind("--", 0) != 0)
            continue; // the video-mode word, and other words as before options existed
        if (word == "--help") {
            help = true;
            continue;
        }
        if (word == "--version") {
            version = true;
            continue;
        }
        if (word == "--autopilot") {
            autopilot = true;
            continue;
        }
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (!value) {
            reason = word + " needs a value";
            return false;
        }
        ++i;
        unsigned long long number = 0;
        if (word == "--seed" && parseNumber(value, UINT32_MAX, number)) {
            seed = static_cast<uint32_t>(number);
        } else if (word == "--frames" && parseNumber(value, 1000000000, number) && number > 0) {
            frames = static_cast<int>(number);
        } else if (word == "--fps" && parseNumber(value, 1000, number) && number > 0) {
            fps = static_cast<int>(number);
        } else if (word == "--window-id") {
            screensaver = true;
            windowId = value;
        } else if (word == "--record") {
            recordPath = value;
        } else if (word == "--replay") {
            replayPath = value;
        } else if (word == "--screenshot") {
            screenshotPath = value;
        } else if (word == "--wav") {
            wavPath = value;
        } else if (word == "--video") {
            videoPath = value;
        } else if (word == "--seed" || word == "--frames" || word == "--fps") {
            reason = word + " needs a whole number, not '" + value + "'";
            return false;
        } else {
            reason = "unknown option " + word;
            return false;
        }
    }
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
    if (screenshotPath.empty() != (frames == 0)) {
        reason = "--screenshot and --frames go together";
        return false;
    }
    if (!videoPath.empty() && (replayPath.empty() || frames > 0 || fps > 0)) {
        reason = "--video renders a whole recording at 60 frames/s: it needs --replay and takes "
                 "no --frames or --fps";
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
           "  --replay FILE        replay a recording instead of real input; quits at its end\n"
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
