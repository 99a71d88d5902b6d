// A recorded run, and the one place its file format is told.
//
// A recording file starts with "QREC" and a 32-bit version number (numbers little-endian).
//
// Version 1 (read only; made by earlier versions) holds entries, each 'T' with a 32-bit tick
// reading or 'E' with one key, mouse or quit event, and 'Z' at the end, so a recording cut
// short is told apart. Its run read the tick count three times a pass (as the pass starts, for
// the clock and as it ends), and took its seeds from --seed or from tick readings as it
// started; its starting field was whatever "state.dat" lay in the working folder.
//
// Version 2 carries its own start. After the version come the 32-bit length and FNV-1a
// checksum of one adaptive range code (RangeEncoder, NumberModel) holding, in order:
// - the seeds of the particles' and the tint's generators (32 plain bits each);
// - the run's settings as it started (RunSettings): the five slider values (64-bit floats),
//   the gradient and particle modes, the grid and cells switches, the brush's radius, cursor,
//   glide and resize state, whether the panel shows and the sound plays, and the field (every
//   cell) when the run began from one other than entering the simulation screen gives;
// - every access of the run to "state.dat", in order: a read's bytes (or that they are those
//   the run last read or wrote, or that there was no file, or why it failed) and a write's
//   success or failure. The first read is the file the run began from, or none;
// - the entries, one tick reading a pass (the clock's) and the events, each a kind coded in
//   the context of the kind before it: a reading as its step from the last one, a motion as
//   its distance from where the two motions before it lead and its held buttons, a button as
//   its number and its distance from the last mouse position, a key as its symbol, modifiers,
//   character and whether Escape was held; an end kind closes them.
// The relative motion (xrel, yrel), which the program does not read, is not kept.
// A link carries the whole file, base64url-encoded, after "#jam=".
#pragma once

#include "sim/RunSettings.h"

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class InputRecording {
public:
    static constexpr uint32_t FIRST_VERSION = 1;
    static constexpr uint32_t VERSION = 2;
    /// What a recording may hold: a link must not make a program run or allocate without bound.
    static constexpr uint32_t MAX_ENTRIES = 2000000;
    static constexpr uint32_t MAX_LENGTH_MS = 30 * 60 * 1000;
    static constexpr uint32_t MAX_STATE_ACCESSES = 100000;
    static constexpr uint32_t MAX_STATE_BYTES = 65536;
    /// All the state files and reasons together.
    static constexpr uint32_t MAX_STATE_BYTES_IN_ALL = 16 * 1024 * 1024;
    /// What starts a link's recording in its fragment.
    static constexpr const char* LINK_MARK = "#jam=";

    /// One tick reading or one event.
    struct Entry {
        bool isEvent = false;
        Uint32 ticks = 0;
        SDL_Event event{};
        /// Whether Escape was held when a key event arrived.
        bool escapeHeld = false;

        /// Whether the entry is a reading of the clock rather than an event.
        static bool isReading(const Entry& entry) { return !entry.isEvent; }
    };
    /// What a version-2 recording starts from besides its first read of "state.dat".
    struct Start {
        uint32_t particleSeed = 0;
        uint32_t tintSeed = 0;
        RunSettings settings;
    };
    /// One read or write of "state.dat".
    struct StateAccess {
        enum class Kind : uint8_t { Read, Write };
        enum class Outcome : uint8_t { Done, Missing, Failed };
        Kind kind = Kind::Read;
        Outcome outcome = Outcome::Done;
        /// Why it failed.
        std::string reason;
        /// The file read, or written (a write's bytes are not stored: the replay writes them).
        std::vector<uint8_t> bytes;
        /// A read of the bytes the run last read or wrote, which are not stored again.
        bool repeatsLast = false;
    };

    uint32_t version = VERSION;
    Start start;
    std::vector<StateAccess> stateAccesses;
    std::vector<Entry> entries;

    /// True for the events the main loop dispatches: key, mouse and quit.
    static bool isRecorded(const SDL_Event& event);
    /// Whether the recording carries its seeds, settings and "state.dat" (version 2).
    bool carriesStart() const { return version >= VERSION; }
    /// The first and last tick readings; 0 for a recording without any.
    Uint32 firstTicks() const;
    Uint32 finalTicks() const;

    /// The bytes of a version-2 file.
    std::vector<uint8_t> encode() const;
    /// Decodes a whole file of either version; false with a reason for a file that is not a
    /// recording, is from another version, is cut short or damaged, or goes beyond the limits.
    static bool decode(const std::vector<uint8_t>& bytes, InputRecording& recording,
                       std::string& reason);
    /// A link to `page` that carries the recording.
    std::string link(const std::string& page) const;
    /// Decodes the recording a link (or any text holding "#jam=") carries.
    static bool decodeLink(const std::string& text, InputRecording& recording,
                           std::string& reason);
    /// How messages name what --replay was given: "the link", or the file.
    static std::string nameOf(const std::string& fileOrLink);
    /// Reads a recording from a file (a recording, or a text file holding a link) or from a
    /// link given instead of a file; false with a reason naming it.
    static bool load(const std::string& fileOrLink, InputRecording& recording,
                     std::string& reason);

private:
    static bool decodeFirstVersion(const std::vector<uint8_t>& bytes, InputRecording& recording,
                                   std::string& reason);
    static bool decodeCompact(const std::vector<uint8_t>& bytes, InputRecording& recording,
                              std::string& reason);
};
