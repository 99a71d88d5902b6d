// Writes recordings in the first version's format, which the program reads but no longer
// writes, so that tests can make old recordings.
#pragma once

#include "input/InputRecording.h"
#include "io/ByteWriter.h"

#include <cstdint>
#include <vector>

namespace FirstVersionRecording {
inline uint8_t eventCode(Uint32 type) {
    switch (type) {
    case SDL_KEYDOWN: return 2;
    case SDL_KEYUP: return 3;
    case SDL_MOUSEMOTION: return 4;
    case SDL_MOUSEBUTTONDOWN: return 5;
    case SDL_MOUSEBUTTONUP: return 6;
    case SDL_QUIT: return 12;
    default: return 0;
    }
}

inline void appendEntry(std::vector<uint8_t>& bytes, const InputRecording::Entry& entry) {
    ByteWriter out(bytes);
    if (!entry.isEvent) {
        out.u8('T');
        out.u32(entry.ticks);
        return;
    }
    const SDL_Event& event = entry.event;
    out.u8('E');
    out.u8(eventCode(event.type));
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        out.u32(static_cast<uint32_t>(event.key.keysym.sym));
        out.u16(static_cast<uint16_t>(event.key.keysym.mod));
        out.u16(event.key.keysym.unicode);
        out.u8(entry.escapeHeld ? 1 : 0);
        break;
    case SDL_MOUSEMOTION:
        out.u8(event.motion.state);
        out.u16(event.motion.x);
        out.u16(event.motion.y);
        out.u16(static_cast<uint16_t>(event.motion.xrel));
        out.u16(static_cast<uint16_t>(event.motion.yrel));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.u8(event.button.button);
        out.u16(event.button.x);
        out.u16(event.button.y);
        break;
    default:
        break;
    }
}

/// A whole file: header, entries and end mark.
inline std::vector<uint8_t> encode(const std::vector<InputRecording::Entry>& entries) {
    std::vector<uint8_t> bytes = {'Q', 'R', 'E', 'C', 1, 0, 0, 0};
    for (const InputRecording::Entry& entry : entries)
        appendEntry(bytes, entry);
    bytes.push_back('Z');
    return bytes;
}
} // namespace FirstVersionRecording
