#include "app/ExportingReplay.h"

#include "app/GameApp.h"

ExportingReplay::ExportingReplay(InputReplayer& replayed, ReplayExport& exported, GameApp& game)
    : replay(replayed), output(exported), app(game) {}

Uint32 ExportingReplay::ticks() {
    if (!output.advanceTo(replay.peekTicks(), app.playingSound()))
        failed = true;
    return replay.ticks();
}
