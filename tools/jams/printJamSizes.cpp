// Prints how large jams are as recording files and as links: the shipped demo (an old
// recording, as its input would be written now) and jams of continuous stirring along the
// autopilot's path, one motion a pass at 60 passes a second as the browser gives them, from a
// cleared field. Run through scripts/jam-sizes.
#include "input/InputRecording.h"
#include "sim/AutopilotPath.h"
#include "sim/RandomGenerator.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {
constexpr const char* PAGE = "https://example.org/quillomer/";

InputRecording::Entry reading(Uint32 ticks) {
    InputRecording::Entry entry;
    entry.ticks = ticks;
    return entry;
}

/// An old recording's input as a new one holds it: without the two readings that seeded the
/// run, and with one reading a pass (the clock's) instead of three.
InputRecording asNewRecording(const InputRecording& old) {
    InputRecording recording;
    recording.entries.push_back(old.entries.front());
    int readingInPass = 0;
    for (size_t i = 3; i < old.entries.size(); ++i) {
        const InputRecording::Entry& entry = old.entries[i];
        if (entry.isEvent)
            recording.entries.push_back(entry);
        else if (readingInPass++ % 3 == 1)
            recording.entries.push_back(entry);
    }
    return recording;
}

/// `seconds` of stirring along the autopilot's path, a pass every 16 or 17 ms.
InputRecording stirring(int seconds) {
    InputRecording jam;
    jam.start.particleSeed = jam.start.tintSeed = 7;
    InputRecording::StateAccess none;
    none.outcome = InputRecording::StateAccess::Outcome::Missing;
    jam.stateAccesses.push_back(none);
    AutopilotPath path(7, 1024, 768);
    RandomGenerator jitter(7);
    Uint32 now = 700;
    jam.entries.push_back(reading(now));
    for (int pass = 0; pass < seconds * 60; ++pass) {
        const AutopilotPath::Step step = path.next();
        InputRecording::Entry motion;
        motion.isEvent = true;
        motion.event.type = SDL_MOUSEMOTION;
        motion.event.motion.x = static_cast<Uint16>(step.x);
        motion.event.motion.y = static_cast<Uint16>(step.y);
        jam.entries.push_back(motion);
        now += 16 + static_cast<Uint32>(jitter.nextInt31() % 2);
        jam.entries.push_back(reading(now));
    }
    return jam;
}

void printRow(const char* what, const InputRecording& recording, size_t oldBytes) {
    const size_t bytes = recording.encode().size();
    const double seconds = (recording.finalTicks() - recording.firstTicks()) / 1000.0;
    std::printf("%-34s %6.1f s %7zu entries %7zu bytes %7zu link characters", what, seconds,
                recording.entries.size(), bytes, recording.link(PAGE).size());
    if (oldBytes)
        std::printf("  (first version: %zu bytes)", oldBytes);
    std::printf("\n");
}
} // namespace

int main(int argc, char** argv) {
    const std::string demo = argc > 1 ? argv[1] : "data/demo.rec";
    InputRecording old;
    std::string reason;
    if (!InputRecording::load(demo, old, reason) || old.carriesStart() || old.entries.size() < 3) {
        std::fprintf(stderr, "print_jam_sizes: %s\n", reason.empty() ? "not an old recording" : reason.c_str());
        return 1;
    }
    std::printf("Links to %s (%zu characters)\n", PAGE, std::string(PAGE).size());
    printRow("demo (its input, as written now)", asNewRecording(old),
             static_cast<size_t>(std::filesystem::file_size(demo)));
    for (int seconds : {20, 60})
        printRow(seconds == 20 ? "20 s of stirring from a clear field"
                               : "60 s of stirring from a clear field",
                 stirring(seconds), 0);
    return 0;
}
