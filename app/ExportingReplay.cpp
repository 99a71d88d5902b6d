#include "app/ExportingReplay.h"

#include "app/GameApp.h"

ExportingReplay::ExportingReplay(InputReplayer& replayed, ReplayExport& exported, GameApp& game)
    : replay(replayed), output(exported), app(game) {}

void ExportingReplay::advance() {
    if (!output.advanceTo(replay.peekTicks(), app.playingSound()))
        failed = true;
}

Uint32 ExportingReplay::ticks() {
    advance();
    return replay.ticks();
}

void ExportingReplay::beginPass() {
    if (replay.readsAtPassEdges())
        advance();
    replay.beginPass();
}

void ExportingReplay::endPass() {
    if (replay.readsAtPassEdges())
        advance();
    replay.endPass();
}
