#include "input/InputReplayer.h"

#include <algorithm>

namespace {
bool isReading(const InputRecording::Entry& entry) { return !entry.isEvent; }
} // namespace

InputReplayer::InputReplayer(std::vector<InputRecording::Entry> recorded)
    : entries(std::move(recorded)) {}

size_t InputReplayer::nextReading() const {
    // Events the run did not ask for are skipped rather than stalling the replay.
    return std::find_if(entries.begin() + next, entries.end(), isReading) - entries.begin();
}

Uint32 InputReplayer::ticks() {
    next = nextReading();
    if (next == entries.size()) {
        done = true;
        return lastTicks;
    }
    lastTicks = entries[next++].ticks;
    return lastTicks;
}

Uint32 InputReplayer::peekTicks() const {
    const size_t reading = nextReading();
    return reading == entries.size() ? lastTicks : entries[reading].ticks;
}

Uint32 InputReplayer::firstTicks() const {
    const auto first = std::find_if(entries.begin(), entries.end(), isReading);
    return first == entries.end() ? 0 : first->ticks;
}

Uint32 InputReplayer::finalTicks() const {
    const auto last = std::find_if(entries.rbegin(), entries.rend(), isReading);
    return last == entries.rend() ? 0 : last->ticks;
}

bool InputReplayer::poll(SDL_Event& event) {
    SDL_Event real;
    while (SDL_PollEvent(&real))
        if (real.type == SDL_QUIT)
            done = quit = true;
    if (next == entries.size() || !entries[next].isEvent)
        return false;
    const InputRecording::Entry& entry = entries[next++];
    event = entry.event;
    keys[SDLK_ESCAPE] = entry.escapeHeld ? 1 : 0;
    return true;
}
