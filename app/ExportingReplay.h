// A replay that renders its export as it goes: before the run takes each tick reading, every
// frame and sound buffer due before that reading is made from the run as it stands. It ends
// the run when writing fails.
#pragma once

#include "export/ReplayExport.h"
#include "input/InputReplayer.h"

class GameApp;

class ExportingReplay : public InputSource {
public:
    /// Replays `replay` into `output`, with the sound `app` plays.
    ExportingReplay(InputReplayer& replay, ReplayExport& output, GameApp& app);

    /// Makes what is due before the next recorded reading, then takes that reading.
    Uint32 ticks() override;
    /// The pass takes the readings a first-version recording holds at its edges, each after
    /// what is due before it is made.
    void beginPass() override;
    void endPass() override;
    /// The next recorded event.
    bool poll(SDL_Event& event) override { return replay.poll(event); }
    /// The recorded key state.
    const Uint8* keyState() override { return replay.keyState(); }
    /// True once the recording is used up or writing has failed.
    bool finished() const override { return replay.finished() || failed; }

private:
    void advance();

    InputReplayer& replay;
    ReplayExport& output;
    GameApp& app;
    bool failed = false;
};
