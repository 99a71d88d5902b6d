#include "app/InputReplayer.h"

InputReplayer::InputReplayer(std::vector<InputRecording::Entry> recorded)
    : entries(std::move(recorded)) {}

Uint32 InputReplayer::ticks() {
    while (next < entries.size() && entries[next].isEvent)
        ++next; // an event the run did not ask for: skip it rather than stall
    if (next == entries.size()) {
        done = true;
        return lastTicks;
    }
    lastTicks = entries[next++].ticks;
    return lastTicks;
}

bool InputReplayer::poll(SDL_Event& event) {
    SDL_Event real;
    while (SDL_PollEvent(&real))
        if (real.type == SDL_QUIT)
            done = true;
    if (next == entries.size() || !entries[next].isEvent)
        return false;
    const InputRecording::Entry& entry = entries[next++];
    event = entry.event;
    keys[SDLK_ESCAPE] = entry.escapeHeld ? 1 : 0;
    return true;
}
