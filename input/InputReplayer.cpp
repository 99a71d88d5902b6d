#include "input/InputReplayer.h"

#include "platform/Platform.h"

#include <algorithm>

InputReplayer::InputReplayer(const InputRecording& replayed)
    : recording(replayed), passEdgeReadings(!replayed.carriesStart()) {}

Uint32 InputReplayer::ticks() {
    if (next < entries.size() && entries[next].isEvent) {
        lostStep = done = true;
        return lastTicks;
    }
    if (next == entries.size()) {
        done = true;
        return lastTicks;
    }
    lastTicks = entries[next++].ticks;
    return lastTicks;
}

void InputReplayer::beginPass() {
    if (passEdgeReadings)
        ticks();
}

void InputReplayer::endPass() {
    if (passEdgeReadings)
        ticks();
}

Uint32 InputReplayer::peekTicks() const {
    return next < entries.size() && InputRecording::Entry::isReading(entries[next]) ? entries[next].ticks : lastTicks;
}

Uint32 InputReplayer::upcomingReading() const {
    const auto reading = std::find_if(entries.begin() + static_cast<std::ptrdiff_t>(next),
                                      entries.end(), InputRecording::Entry::isReading);
    return reading == entries.end() ? lastTicks : reading->ticks;
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
    keys[escapeKeyIndex()] = entry.escapeHeld ? 1 : 0;
    return true;
}
