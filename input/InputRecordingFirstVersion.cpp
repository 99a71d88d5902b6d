// Reading version-1 recordings, which earlier versions wrote.
#include "input/InputRecording.h"

#include "io/ByteReader.h"

#include <algorithm>

namespace {
constexpr uint8_t TICKS_TAG = 'T';
constexpr uint8_t EVENT_TAG = 'E';
constexpr uint8_t END_TAG = 'Z';

/// The file keeps each kind of event under SDL 1.2's number for it, whatever SDL the program
/// runs on (the browser's SDL numbers its event types otherwise).
struct EventCode {
    Uint32 type;
    uint8_t code;
};
constexpr EventCode EVENT_CODES[] = {{SDL_KEYDOWN, 2},       {SDL_KEYUP, 3},
                                     {SDL_MOUSEMOTION, 4},   {SDL_MOUSEBUTTONDOWN, 5},
                                     {SDL_MOUSEBUTTONUP, 6}, {SDL_QUIT, 12}};

bool readEvent(ByteReader& in, InputRecording::Entry& entry) {
    SDL_Event& event = entry.event;
    const uint8_t code = static_cast<uint8_t>(in.u8());
    const auto known = std::find_if(std::begin(EVENT_CODES), std::end(EVENT_CODES),
                                    [code](const EventCode& entry) { return entry.code == code; });
    if (known == std::end(EVENT_CODES))
        return false;
    event.type = known->type;
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        event.key.type = event.type;
        event.key.state = event.type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        const uint32_t key = in.u32();
        if (key >= SDLK_LAST)
            return false; // no key has that code
        event.key.keysym.sym = static_cast<SDLKey>(key);
        event.key.keysym.mod = static_cast<SDLMod>(in.u16());
        event.key.keysym.unicode = static_cast<Uint16>(in.u16());
        const uint32_t escapeHeld = in.u8();
        entry.escapeHeld = escapeHeld == 1;
        return escapeHeld <= 1;
    }
    case SDL_MOUSEMOTION:
        event.motion.state = static_cast<Uint8>(in.u8());
        event.motion.x = static_cast<Uint16>(in.u16());
        event.motion.y = static_cast<Uint16>(in.u16());
        event.motion.xrel = static_cast<Sint16>(in.u16());
        event.motion.yrel = static_cast<Sint16>(in.u16());
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        event.button.button = static_cast<Uint8>(in.u8());
        event.button.state = event.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = static_cast<Uint16>(in.u16());
        event.button.y = static_cast<Uint16>(in.u16());
        return true;
    default: // SDL_QUIT
        return true;
    }
}
} // namespace

bool InputRecording::decodeFirstVersion(const std::vector<uint8_t>& bytes,
                                        InputRecording& recording, std::string& reason) {
    ByteReader in(bytes.data() + 8, bytes.size() - 8);
    std::vector<Entry> decoded;
    bool ended = false;
    while (!in.atEnd() && !ended) {
        Entry entry;
        const uint32_t tag = in.u8();
        if (tag == END_TAG) {
            ended = true;
            continue;
        }
        if (tag == TICKS_TAG) {
            entry.ticks = in.u32();
        } else if (tag == EVENT_TAG) {
            entry.isEvent = true;
            if (!readEvent(in, entry)) {
                reason = "it holds an event that no run records";
                return false;
            }
        } else {
            reason = "it holds an unknown entry";
            return false;
        }
        if (in.overran()) {
            reason = "it is truncated";
            return false;
        }
        decoded.push_back(entry);
    }
    if (!ended || !in.atEnd()) {
        reason = ended ? "it goes on after its end mark" : "it is truncated";
        return false;
    }
    recording = InputRecording();
    recording.version = FIRST_VERSION;
    recording.entries = std::move(decoded);
    return true;
}
