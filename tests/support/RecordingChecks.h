// Comparing recordings field by field, for the tests of the format and its fuzz target.
#pragma once

#include "input/InputRecording.h"

#include <cstring>

namespace RecordingChecks {
/// Whether two entries are the same reading or the same event as the program reads it.
inline bool sameEntry(const InputRecording::Entry& a, const InputRecording::Entry& b) {
    if (a.isEvent != b.isEvent)
        return false;
    if (!a.isEvent)
        return a.ticks == b.ticks;
    if (a.event.type != b.event.type)
        return false;
    switch (a.event.type) {
    case SDL_MOUSEMOTION:
        return a.event.motion.x == b.event.motion.x && a.event.motion.y == b.event.motion.y &&
               a.event.motion.state == b.event.motion.state;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        return a.event.button.button == b.event.button.button &&
               a.event.button.x == b.event.button.x && a.event.button.y == b.event.button.y;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return a.event.key.keysym.sym == b.event.key.keysym.sym &&
               a.event.key.keysym.mod == b.event.key.keysym.mod &&
               a.event.key.keysym.unicode == b.event.key.keysym.unicode &&
               a.escapeHeld == b.escapeHeld;
    default:
        return true;
    }
}

inline bool samePanel(const Settings& a, const Settings& b) {
    return a.age == b.age && a.colorMul == b.colorMul && a.initXSpeed == b.initXSpeed &&
           a.initYSpeed == b.initYSpeed && a.particleCount == b.particleCount &&
           a.gradientMode == b.gradientMode && a.particleMode == b.particleMode &&
           a.showGrid == b.showGrid && a.showCells == b.showCells;
}

inline bool sameSettings(const RunSettings& a, const RunSettings& b) {
    return samePanel(a.panel, b.panel) &&
           a.brushRadius == b.brushRadius && a.cursor.x == b.cursor.x &&
           a.cursor.y == b.cursor.y && a.cursor.smoothX == b.cursor.smoothX &&
           a.cursor.smoothY == b.cursor.smoothY && a.resizing == b.resizing &&
           a.panelShown == b.panelShown && a.soundOn == b.soundOn &&
           a.field.size() == b.field.size() &&
           (a.field.empty() ||
            std::memcmp(a.field.data(), b.field.data(), a.field.size() * sizeof a.field[0]) == 0);
}

/// Whether two recordings replay alike: the same start, accesses and entries.
inline bool sameRecording(const InputRecording& a, const InputRecording& b) {
    if (a.version != b.version || a.start.particleSeed != b.start.particleSeed ||
        a.start.tintSeed != b.start.tintSeed || !sameSettings(a.start.settings, b.start.settings) ||
        a.entries.size() != b.entries.size() || a.stateAccesses.size() != b.stateAccesses.size())
        return false;
    for (size_t i = 0; i < a.entries.size(); ++i)
        if (!sameEntry(a.entries[i], b.entries[i]))
            return false;
    for (size_t i = 0; i < a.stateAccesses.size(); ++i) {
        const InputRecording::StateAccess& x = a.stateAccesses[i];
        const InputRecording::StateAccess& y = b.stateAccesses[i];
        const bool readBytes = x.kind == InputRecording::StateAccess::Kind::Read &&
                               !x.repeatsLast && !y.repeatsLast;
        if (x.kind != y.kind || x.outcome != y.outcome || x.reason != y.reason ||
            (readBytes && x.bytes != y.bytes))
            return false;
    }
    return true;
}
} // namespace RecordingChecks
