#include "input/HandOverInput.h"

#include "platform/Platform.h"

HandOverInput::HandOverInput(InputReplayer& replayed, InputSource& liveInput,
                             std::function<void()> onHandOver)
    : replay(replayed), liveSource(liveInput), handedOver(std::move(onHandOver)) {}

Uint32 HandOverInput::ticks() {
    if (over)
        return liveSource.ticks() + offset;
    // What the recording holds after the end of its run is left unread.
    return replayEnded ? replay.lastReading() : replay.ticks();
}

void HandOverInput::beginPass() {
    if (!over && (replay.usedUp() || replayEnded) && !finished()) {
        over = true;
        offset = replay.lastReading() - liveSource.ticks();
        if (handedOver)
            handedOver();
    }
    source().beginPass();
}

void HandOverInput::endPass() { source().endPass(); }

bool HandOverInput::poll(SDL_Event& event) {
    if (over)
        return liveSource.poll(event);
    if (replayEnded || !replay.poll(event))
        return false;
    replayEnded = endsTheRun(event);
    return !replayEnded;
}

bool HandOverInput::endsTheRun(const SDL_Event& event) {
    const bool escape = event.type == SDL_KEYDOWN && (event.key.keysym.sym == SDLK_ESCAPE ||
                                                      isEscapeHeld(replay.keyState()));
    return escape || event.type == SDL_QUIT;
}

const Uint8* HandOverInput::keyState() { return source().keyState(); }

void HandOverInput::stepped() { source().stepped(); }

bool HandOverInput::finished() const {
    return !over && (replay.outOfStep() || replay.stoppedEarly());
}
