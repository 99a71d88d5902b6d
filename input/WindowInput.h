// The live source: SDL's tick count and the window's events, with mouse positions taken from
// the window into the picture's pixels (a larger window shows the picture enlarged).
#pragma once

#include "input/InputSource.h"

class WindowInput : public InputSource {
public:
    /// SDL's tick count.
    Uint32 ticks() override;
    /// Notes the tick count the pass starts at.
    void beginPass() override;
    /// Sleeps a millisecond if no time passed since the pass began.
    void endPass() override;
    /// The next key, mouse or other SDL event, its mouse position in picture pixels.
    bool poll(SDL_Event& event) override;
    /// SDL's keyboard state.
    const Uint8* keyState() override;

private:
    Uint32 passStart = 0;
};
