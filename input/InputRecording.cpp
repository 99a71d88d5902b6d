#include "input/InputRecording.h"

#include "io/ByteReader.h"
#include "io/ByteWriter.h"
#include "io/FileHandle.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
constexpr char MAGIC[4] = {'Q', 'R', 'E', 'C'};
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

const EventCode* findEventCode(Uint32 type) {
    for (const EventCode& entry : EVENT_CODES)
        if (entry.type == type)
            return &entry;
    return nullptr;
}

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
    case SDL_QUIT:
        return true;
    default:
        return false;
    }
}
} // namespace

bool InputRecording::isRecorded(const SDL_Event& event) {
    return findEventCode(event.type) != nullptr;
}

std::vector<uint8_t> InputRecording::header() {
    std::vector<uint8_t> bytes;
    ByteWriter out(bytes);
    out.tag(MAGIC);
    out.u32(VERSION);
    return bytes;
}

void InputRecording::appendTicks(std::vector<uint8_t>& bytes, Uint32 ticks) {
    ByteWriter out(bytes);
    out.u8(TICKS_TAG);
    out.u32(ticks);
}

void InputRecording::appendEnd(std::vector<uint8_t>& out) {
    out.push_back(END_TAG);
}

void InputRecording::appendEvent(std::vector<uint8_t>& bytes, const SDL_Event& event,
                                 bool escapeHeld) {
    ByteWriter out(bytes);
    out.u8(EVENT_TAG);
    const EventCode* known = findEventCode(event.type);
    out.u8(known ? known->code : 0);
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        out.u32(static_cast<uint32_t>(event.key.keysym.sym));
        out.u16(static_cast<uint16_t>(event.key.keysym.mod));
        out.u16(event.key.keysym.unicode);
        out.u8(escapeHeld ? 1 : 0);
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

bool InputRecording::decode(const std::vector<uint8_t>& bytes, std::vector<Entry>& entries,
                            std::string& reason) {
    if (bytes.size() < 8 || std::memcmp(bytes.data(), MAGIC, 4) != 0) {
        reason = "it is not a Quillomer recording";
        return false;
    }
    ByteReader in(bytes.data(), bytes.size());
    in.u32();
    const uint32_t version = in.u32();
    if (version != VERSION) {
        reason = "it is a recording of version " + std::to_string(version) +
                 ", this program reads version " + std::to_string(VERSION);
        return false;
    }
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
    entries = std::move(decoded);
    return true;
}

bool InputRecording::load(const std::string& path, std::vector<Entry>& entries,
                          std::string& reason) {
    const FileHandle file = openFile(path, "rb");
    if (!file) {
        reason = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    std::vector<uint8_t> bytes;
    if (!readToEnd(file.get(), bytes)) {
        reason = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!decode(bytes, entries, reason)) {
        reason = "cannot replay " + path + ": " + reason;
        return false;
    }
    return true;
}
