// Version-2 recordings: one adaptive range code, written and read by the same description of
// the format (the `transfer` functions), so that the two halves cannot drift apart.
#include "input/InputRecording.h"

#include "io/ByteReader.h"
#include "io/ByteWriter.h"
#include "io/NumberModel.h"
#include "io/RangeDecoder.h"
#include "io/RangeEncoder.h"
#include "sim/FlowField.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {
constexpr size_t HEADER_SIZE = 16;
constexpr uint32_t MAX_REASON_LENGTH = 1000;

enum Kind : uint32_t { READING, MOTION, BUTTON_DOWN, BUTTON_UP, KEY_DOWN, KEY_UP, QUIT, END };
constexpr Uint32 EVENT_TYPES[] = {0,          SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN,
                                  SDL_MOUSEBUTTONUP, SDL_KEYDOWN, SDL_KEYUP, SDL_QUIT};
/// How a read of "state.dat" is stored.
enum ReadCode : uint32_t { READ_BYTES, READ_SAME, READ_MISSING, READ_FAILED };

uint32_t checksum(const uint8_t* data, size_t size) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

Kind kindOf(const InputRecording::Entry& entry) {
    if (!entry.isEvent)
        return READING;
    for (uint32_t kind = MOTION; kind < END; ++kind)
        if (EVENT_TYPES[kind] == entry.event.type)
            return static_cast<Kind>(kind);
    return END;
}

/// Bytes (a state file or a reason) with one bit tree per byte position of a 32-bit word, since
/// a state file is made of them.
struct ByteModel {
    RangeEncoder::Probability tree[4][256];
    ByteModel() {
        for (auto& row : tree)
            for (auto& probability : row)
                probability = RangeEncoder::EVEN;
    }
};

/// Every model of the code, each column of numbers learning on its own.
struct Models {
    NumberModel kind[END + 1];
    NumberModel readingStep, motionX, motionY, motionButtons, button, buttonX, buttonY;
    NumberModel keySymbol, keyModifiers, keyCharacter, escapeHeld;
    NumberModel setting, cellBits, count, length, accessKind, readCode;
    ByteModel bytes;
};

/// What the entries coded so far leave for the next: the positions they are told against.
struct Context {
    uint32_t lastTicks = 0;
    int32_t motionX[2] = {0, 0};
    int32_t motionY[2] = {0, 0};
    int32_t mouseX = 0;
    int32_t mouseY = 0;
    Kind lastKind = READING;
};

class Writer {
public:
    Models models;

    void number(NumberModel& model, uint32_t& value) { model.write(out, value); }
    void signedNumber(NumberModel& model, int32_t& value) { model.writeSigned(out, value); }
    void plain(uint32_t& value) { out.plainBits(value, 32); }
    void byte(int context, uint8_t& value) {
        unsigned node = 1;
        for (int i = 7; i >= 0; --i) {
            const int bit = (value >> i) & 1;
            out.bit(models.bytes.tree[context][node], bit);
            node = node * 2 + static_cast<unsigned>(bit);
        }
    }
    bool failed() const { return false; }
    std::vector<uint8_t> finish() { return out.finish(); }

private:
    RangeEncoder out;
};

class Reader {
public:
    Models models;

    Reader(const uint8_t* data, size_t size) : in(data, size) {}
    void number(NumberModel& model, uint32_t& value) { bad = !model.read(in, value) || bad; }
    void signedNumber(NumberModel& model, int32_t& value) {
        bad = !model.readSigned(in, value) || bad;
    }
    void plain(uint32_t& value) { value = in.plainBits(32); }
    void byte(int context, uint8_t& value) {
        unsigned node = 1;
        while (node < 256)
            node = node * 2 + static_cast<unsigned>(in.bit(models.bytes.tree[context][node]));
        value = static_cast<uint8_t>(node - 256);
    }
    bool failed() const { return bad || in.overran(); }

private:
    RangeDecoder in;
    bool bad = false;
};

/// A value of any small integral or enum type through a number model.
template <class Coder, class T>
void small(Coder& coder, NumberModel& model, T& value) {
    uint32_t number = static_cast<uint32_t>(value);
    coder.number(model, number);
    value = static_cast<T>(number);
}

template <class Coder>
void single(Coder& coder, NumberModel& model, float& value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    coder.number(model, bits);
    std::memcpy(&value, &bits, 4);
}

template <class Coder>
void real(Coder& coder, double& value) {
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    uint32_t high = static_cast<uint32_t>(bits >> 32);
    uint32_t low = static_cast<uint32_t>(bits);
    coder.plain(high);
    coder.plain(low);
    bits = (static_cast<uint64_t>(high) << 32) | low;
    std::memcpy(&value, &bits, 8);
}

/// A byte string of at most `limit` bytes; false when a read one is longer.
template <class Coder>
bool byteString(Coder& coder, std::vector<uint8_t>& bytes, uint32_t limit) {
    uint32_t size = static_cast<uint32_t>(bytes.size());
    coder.number(coder.models.length, size);
    if (size > limit || coder.failed())
        return false;
    bytes.resize(size);
    for (uint32_t i = 0; i < size; ++i)
        coder.byte(static_cast<int>(i % 4), bytes[i]);
    return true;
}

template <class Coder>
bool transferSettings(Coder& coder, RunSettings& settings) {
    NumberModel& model = coder.models.setting;
    Settings& panel = settings.panel;
    for (double* value : {&panel.age, &panel.colorMul, &panel.initXSpeed, &panel.initYSpeed,
                          &panel.particleCount})
        real(coder, *value);
    small(coder, model, panel.gradientMode);
    small(coder, model, panel.particleMode);
    for (bool* flag : {&panel.showGrid, &panel.showCells, &settings.resizing,
                       &settings.panelShown, &settings.soundOn})
        small(coder, model, *flag);
    single(coder, model, settings.brushRadius);
    coder.signedNumber(model, settings.cursor.x);
    coder.signedNumber(model, settings.cursor.y);
    single(coder, model, settings.cursor.smoothX);
    single(coder, model, settings.cursor.smoothY);
    uint32_t cells = static_cast<uint32_t>(settings.field.size());
    coder.number(coder.models.count, cells);
    if (cells != 0 && cells != FlowField::CELL_COUNT)
        return false;
    settings.field.resize(cells);
    for (FieldVector& cell : settings.field) {
        single(coder, coder.models.cellBits, cell.x);
        single(coder, coder.models.cellBits, cell.y);
    }
    return true;
}

template <class Coder>
bool transferAccess(Coder& coder, InputRecording::StateAccess& access,
                    const std::vector<uint8_t>*& known) {
    using Access = InputRecording::StateAccess;
    small(coder, coder.models.accessKind, access.kind);
    if (access.kind > Access::Kind::Write)
        return false;
    if (access.kind == Access::Kind::Write) {
        small(coder, coder.models.accessKind, access.outcome);
        if (access.outcome > Access::Outcome::Failed)
            return false;
        if (access.outcome == Access::Outcome::Done)
            known = &access.bytes;
    } else {
        // A read of the bytes the run last read or wrote stores only that.
        uint32_t code = access.outcome == Access::Outcome::Missing  ? READ_MISSING
                        : access.outcome == Access::Outcome::Failed ? READ_FAILED
                        : access.repeatsLast || (known && *known == access.bytes)
                            ? READ_SAME
                            : READ_BYTES;
        coder.number(coder.models.readCode, code);
        if (code > READ_FAILED)
            return false;
        access.outcome = code == READ_MISSING  ? Access::Outcome::Missing
                         : code == READ_FAILED ? Access::Outcome::Failed
                                               : Access::Outcome::Done;
        access.repeatsLast = code == READ_SAME;
        if (code == READ_BYTES) {
            if (!byteString(coder, access.bytes, InputRecording::MAX_STATE_BYTES))
                return false;
            known = &access.bytes;
        }
    }
    if (access.outcome != Access::Outcome::Failed)
        return true;
    std::vector<uint8_t> reason(access.reason.begin(), access.reason.end());
    if (!byteString(coder, reason, MAX_REASON_LENGTH))
        return false;
    access.reason.assign(reason.begin(), reason.end());
    return true;
}

/// A position (16 bits in SDL 1.2, wider in the browser's SDL) told against `predicted`; false
/// when it leaves the 16-bit range.
template <class Coder, class Position>
bool position(Coder& coder, NumberModel& model, int32_t predicted, Position& value) {
    int32_t offset = static_cast<int32_t>(value) - predicted;
    coder.signedNumber(model, offset);
    const int64_t decoded = static_cast<int64_t>(predicted) + offset;
    value = static_cast<Position>(decoded);
    return decoded >= 0 && decoded <= 0xFFFF;
}

template <class Coder>
bool transferMotion(Coder& coder, Context& context, SDL_MouseMotionEvent& motion) {
    Models& models = coder.models;
    const int32_t aheadX = 2 * context.motionX[1] - context.motionX[0];
    const int32_t aheadY = 2 * context.motionY[1] - context.motionY[0];
    if (!position(coder, models.motionX, aheadX, motion.x) ||
        !position(coder, models.motionY, aheadY, motion.y))
        return false;
    small(coder, models.motionButtons, motion.state);
    context.motionX[0] = context.motionX[1];
    context.motionY[0] = context.motionY[1];
    context.motionX[1] = context.mouseX = motion.x;
    context.motionY[1] = context.mouseY = motion.y;
    return true;
}

template <class Coder>
bool transferButton(Coder& coder, Context& context, SDL_MouseButtonEvent& button) {
    Models& models = coder.models;
    small(coder, models.button, button.button);
    if (!position(coder, models.buttonX, context.mouseX, button.x) ||
        !position(coder, models.buttonY, context.mouseY, button.y))
        return false;
    context.mouseX = button.x;
    context.mouseY = button.y;
    return true;
}

template <class Coder>
bool transferKey(Coder& coder, InputRecording::Entry& entry) {
    Models& models = coder.models;
    SDL_keysym& key = entry.event.key.keysym;
    uint32_t symbol = static_cast<uint32_t>(key.sym);
    uint32_t modifiers = static_cast<uint32_t>(key.mod);
    coder.number(models.keySymbol, symbol);
    coder.number(models.keyModifiers, modifiers);
    small(coder, models.keyCharacter, key.unicode);
    small(coder, models.escapeHeld, entry.escapeHeld);
    key.sym = static_cast<SDLKey>(symbol);
    key.mod = static_cast<SDLMod>(modifiers);
    return symbol < SDLK_LAST && modifiers <= 0xFFFF;
}

/// One entry after its kind.
template <class Coder>
bool transferEntry(Coder& coder, Context& context, Kind kind, InputRecording::Entry& entry) {
    entry.isEvent = kind != READING;
    SDL_Event& event = entry.event;
    if (entry.isEvent)
        event.type = static_cast<decltype(event.type)>(EVENT_TYPES[kind]);
    switch (kind) {
    case READING: {
        uint32_t step = entry.ticks - context.lastTicks;
        coder.number(coder.models.readingStep, step);
        entry.ticks = context.lastTicks + step;
        context.lastTicks = entry.ticks;
        return true;
    }
    case MOTION:
        return transferMotion(coder, context, event.motion);
    case BUTTON_DOWN:
    case BUTTON_UP:
        event.button.state = kind == BUTTON_DOWN ? SDL_PRESSED : SDL_RELEASED;
        return transferButton(coder, context, event.button);
    case KEY_DOWN:
    case KEY_UP:
        event.key.state = kind == KEY_DOWN ? SDL_PRESSED : SDL_RELEASED;
        return transferKey(coder, entry);
    default: // QUIT
        return true;
    }
}

template <class Coder>
void transferKind(Coder& coder, Context& context, Kind& kind) {
    small(coder, coder.models.kind[context.lastKind], kind);
    context.lastKind = kind;
}

template <class Coder>
bool transferStart(Coder& coder, InputRecording::Start& start) {
    coder.plain(start.particleSeed);
    coder.plain(start.tintSeed);
    return transferSettings(coder, start.settings);
}

/// Whether decoded settings are ones a run can have: the values the panel can show and a
/// brush of the allowed size.
bool plausible(const RunSettings& settings) {
    const Settings& panel = settings.panel;
    for (double value : {panel.age, panel.colorMul, panel.initXSpeed, panel.initYSpeed,
                         panel.particleCount})
        if (!(value >= 0.0 && value <= 1.0))
            return false;
    for (const FieldVector& cell : settings.field)
        if (!std::isfinite(cell.x) || !std::isfinite(cell.y))
            return false;
    return static_cast<int>(panel.gradientMode) >= 0 && static_cast<int>(panel.gradientMode) <= 3 &&
           static_cast<int>(panel.particleMode) >= 0 && static_cast<int>(panel.particleMode) <= 2 &&
           settings.brushRadius >= Brush::MIN_RADIUS && settings.brushRadius <= Brush::MAX_RADIUS &&
           std::isfinite(settings.cursor.smoothX) && std::isfinite(settings.cursor.smoothY);
}

bool decodeEntries(Reader& reader, std::vector<InputRecording::Entry>& entries,
                   std::string& reason) {
    Context context;
    // The length so far: the sum of the steps, so that no reading order escapes the limit.
    uint64_t length = 0;
    Uint32 previousTicks = 0;
    bool anyReading = false;
    for (;;) {
        Kind kind = END;
        transferKind(reader, context, kind);
        if (kind == END || reader.failed())
            break;
        InputRecording::Entry entry;
        // The transfer reads the fields before it writes them: all of the event starts as 0.
        std::memset(&entry.event, 0, sizeof entry.event);
        if (kind > END || !transferEntry(reader, context, kind, entry) || reader.failed()) {
            reason = "it is damaged";
            return false;
        }
        if (!entry.isEvent && anyReading)
            length += entry.ticks - previousTicks;
        if (!entry.isEvent) {
            previousTicks = entry.ticks;
            anyReading = true;
        }
        if (entries.size() == InputRecording::MAX_ENTRIES ||
            length > InputRecording::MAX_LENGTH_MS) {
            reason = "it is longer than a recording may be (" +
                     std::to_string(InputRecording::MAX_LENGTH_MS / 60000) + " minutes, " +
                     std::to_string(InputRecording::MAX_ENTRIES) + " entries)";
            return false;
        }
        entries.push_back(entry);
    }
    if (reader.failed()) {
        reason = "it is damaged";
        return false;
    }
    return true;
}

bool decodeAccesses(Reader& reader, std::vector<InputRecording::StateAccess>& accesses) {
    uint32_t count = 0;
    reader.number(reader.models.count, count);
    if (count > InputRecording::MAX_STATE_ACCESSES || reader.failed())
        return false;
    accesses.resize(count);
    const std::vector<uint8_t>* known = nullptr;
    size_t stored = 0;
    for (InputRecording::StateAccess& access : accesses) {
        if (!transferAccess(reader, access, known) || reader.failed())
            return false;
        stored += access.bytes.size() + access.reason.size();
        if (stored > InputRecording::MAX_STATE_BYTES_IN_ALL)
            return false;
    }
    return true;
}
} // namespace

std::vector<uint8_t> InputRecording::encode() const {
    // The writer reads the recording only; the transfer functions serve both directions.
    InputRecording& recording = const_cast<InputRecording&>(*this);
    Writer writer;
    transferStart(writer, recording.start);
    uint32_t count = static_cast<uint32_t>(stateAccesses.size());
    writer.number(writer.models.count, count);
    const std::vector<uint8_t>* known = nullptr;
    for (StateAccess& access : recording.stateAccesses)
        transferAccess(writer, access, known);
    Context context;
    for (Entry& entry : recording.entries) {
        Kind kind = kindOf(entry);
        transferKind(writer, context, kind);
        transferEntry(writer, context, kind, entry);
    }
    Kind end = END;
    transferKind(writer, context, end);
    const std::vector<uint8_t> code = writer.finish();

    std::vector<uint8_t> bytes;
    ByteWriter out(bytes);
    out.tag("QREC");
    out.u32(VERSION);
    out.u32(static_cast<uint32_t>(code.size()));
    out.u32(checksum(code.data(), code.size()));
    bytes.insert(bytes.end(), code.begin(), code.end());
    return bytes;
}

bool InputRecording::decodeCompact(const std::vector<uint8_t>& bytes, InputRecording& recording,
                                   std::string& reason) {
    ByteReader header(bytes.data() + 8, bytes.size() - 8);
    const uint32_t length = header.u32();
    const uint32_t sum = header.u32();
    if (header.overran() || bytes.size() - HEADER_SIZE < length) {
        reason = "it is truncated";
        return false;
    }
    if (bytes.size() - HEADER_SIZE > length) {
        reason = "it goes on after its end";
        return false;
    }
    const uint8_t* code = bytes.data() + HEADER_SIZE;
    if (checksum(code, length) != sum) {
        reason = "it is damaged (its checksum does not match)";
        return false;
    }
    auto reader = std::make_unique<Reader>(code, length);
    InputRecording decoded;
    if (!transferStart(*reader, decoded.start) || reader->failed() ||
        !plausible(decoded.start.settings)) {
        reason = "its starting settings are damaged";
        return false;
    }
    if (!decodeAccesses(*reader, decoded.stateAccesses)) {
        reason = "its state.dat accesses are damaged";
        return false;
    }
    if (!decodeEntries(*reader, decoded.entries, reason))
        return false;
    recording = std::move(decoded);
    return true;
}
