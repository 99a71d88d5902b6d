#include "input/HandOverInput.h"

HandOverInput::HandOverInput(InputReplayer& replayed, InputSource& liveInput,
                             std::function<void()> onHandOver)
    : replay(replayed), liveSource(liveInput), handedOver(std::move(onHandOver)) {}

Uint32 HandOverInput::ticks() {
    return over ? liveSource.ticks() + offset : replay.ticks();
}

void HandOverInput::beginPass() {
    if (!over && replay.usedUp() && !finished()) {
        over = true;
        offset = replay.lastReading() - liveSource.ticks();
        if (handedOver)
            handedOver();
    }
    source().beginPass();
}

void HandOverInput::endPass() { source().endPass(); }

bool HandOverInput::poll(SDL_Event& event) { return source().poll(event); }

const Uint8* HandOverInput::keyState() { return source().keyState(); }

void HandOverInput::stepped() { source().stepped(); }

bool HandOverInput::finished() const {
    return !over && (replay.outOfStep() || replay.stoppedEarly());
}
