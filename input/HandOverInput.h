// A replay the player goes on from: the recorded readings and events until the recording is
// used up or comes to what ended its run (Escape, or closing the window), then the live
// source's, its clock shifted to go on from the last recorded reading so the run does not jump.
#pragma once

#include "input/InputReplayer.h"
#include "input/InputSource.h"

#include <functional>

class HandOverInput : public InputSource {
public:
    /// Replays `replay`, then takes `live`; `handedOver` is told as the first live pass begins.
    HandOverInput(InputReplayer& replay, InputSource& live, std::function<void()> handedOver);

    Uint32 ticks() override;
    /// Hands over once the recording is used up, then passes the pass on.
    void beginPass() override;
    void endPass() override;
    bool poll(SDL_Event& event) override;
    const Uint8* keyState() override;
    void stepped() override;
    /// True when the replay stopped before its end (the window closed or the run left the
    /// recorded one); a replay that played to its end never finishes the run.
    bool finished() const override;
    /// Whether the live source has taken over.
    bool live() const { return over; }

private:
    InputSource& source() { return over ? liveSource : replay; }
    bool endsTheRun(const SDL_Event& event);

    InputReplayer& replay;
    InputSource& liveSource;
    std::function<void()> handedOver;
    bool over = false;
    /// The replay came to the event that ended its run.
    bool replayEnded = false;
    Uint32 offset = 0;
};
