#include "app/InputRecording.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {
constexpr char MAGIC[4] = {'Q', 'R', 'E', 'C'};
constexpr uint8_t TICKS_TAG = 'T';
constexpr uint8_t EVENT_TAG = 'E';
constexpr uint8_t END_TAG = 'Z';

void put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

/// Reads little-endian fields and remembers whether it ran past the end.
class Reader {
public:
    explicit Reader(const std::vector<uint8_t>& bytes) : bytes(bytes) {}
    uint32_t take(int count) {
        uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            if (position >= bytes.size()) {
                overrun = true;
                return 0;
            }
            value |= static_cast<uint32_t>(bytes[position++]) << (8 * i);
        }
        return value;
    }
    bool atEnd() const { return position >= bytes.size(); }
    bool overran() const { return overrun; }

private:
    const std::vector<uint8_t>& bytes;
    size_t position = 0;
    bool overrun = false;
};

bool readEvent(Reader& in, InputRecording::Entry& entry) {
    SDL_Event& event = entry.event;
    event.type = static_cast<Uint8>(in.take(1));
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        event.key.type = event.type;
        event.key.state = event.type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        const uint32_t key = in.take(4);
        if (key >= SDLK_LAST)
            return false; // no key has that code
        event.key.keysym.sym = static_cast<SDLKey>(key);
        event.key.keysym.mod = static_cast<SDLMod>(in.take(2));
        event.key.keysym.unicode = static_cast<Uint16>(in.take(2));
        const uint32_t escapeHeld = in.take(1);
        entry.escapeHeld = escapeHeld == 1;
        return escapeHeld <= 1;
    }
    case SDL_MOUSEMOTION:
        event.motion.state = static_cast<Uint8>(in.take(1));
        event.motion.x = static_cast<Uint16>(in.take(2));
        event.motion.y = static_cast<Uint16>(in.take(2));
        event.motion.xrel = static_cast<Sint16>(in.take(2));
        event.motion.yrel = static_cast<Sint16>(in.take(2));
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        event.button.button = static_cast<Uint8>(in.take(1));
        event.button.state = event.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.button.x = static_cast<Uint16>(in.take(2));
        event.button.y = static_cast<Uint16>(in.take(2));
        return true;
    case SDL_QUIT:
        return true;
    default:
        return false;
    }
}
} // namespace

bool InputRecording::isRecorded(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_QUIT:
        return true;
    default:
        return false;
    }
}

std::vector<uint8_t> InputRecording::header() {
    std::vector<uint8_t> out(MAGIC, MAGIC + 4);
    put(out, VERSION, 4);
    return out;
}

void InputRecording::appendTicks(std::vector<uint8_t>& out, Uint32 ticks) {
    out.push_back(TICKS_TAG);
    put(out, ticks, 4);
}

void InputRecording::appendEnd(std::vector<uint8_t>& out) { out.push_back(END_TAG); }

void InputRecording::appendEvent(std::vector<uint8_t>& out, const SDL_Event& event,
                                 bool escapeHeld) {
    out.push_back(EVENT_TAG);
    out.push_back(event.type);
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        put(out, static_cast<uint32_t>(event.key.keysym.sym), 4);
        put(out, static_cast<uint32_t>(event.key.keysym.mod), 2);
        put(out, event.key.keysym.unicode, 2);
        out.push_back(escapeHeld ? 1 : 0);
        break;
    case SDL_MOUSEMOTION:
        out.push_back(event.motion.state);
        put(out, event.motion.x, 2);
        put(out, event.motion.y, 2);
        put(out, static_cast<uint16_t>(event.motion.xrel), 2);
        put(out, static_cast<uint16_t>(event.motion.yrel), 2);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.push_back(event.button.button);
        put(out, event.button.x, 2);
        put(out, event.button.y, 2);
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
    Reader in(bytes);
    in.take(4);
    const uint32_t version = in.take(4);
    if (version != VERSION) {
        reason = "it is a recording of version " + std::to_string(version) +
                 ", this program reads version " + std::to_string(VERSION);
        return false;
    }
    std::vector<Entry> decoded;
    bool ended = false;
    while (!in.atEnd() && !ended) {
        Entry entry;
        const uint32_t tag = in.take(1);
        if (tag == END_TAG) {
            ended = true;
            continue;
        }
        if (tag == TICKS_TAG) {
            entry.ticks = in.take(4);
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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reason = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    if (!decode(bytes, entries, reason)) {
        reason = "cannot replay " + path + ": " + reason;
        return false;
    }
    return true;
}
