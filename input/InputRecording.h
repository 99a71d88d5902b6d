// A recorded run: every tick reading of the application and every event the main loop
// dispatched, in the order they happened. The file starts with "QREC" and a version word;
// then each entry is 'T' with a 32-bit tick count, or 'E' with one key, mouse or quit event;
// 'Z' marks the end, so a recording cut short is told apart. Numbers are little-endian.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class InputRecording {
public:
    static constexpr uint32_t VERSION = 1;

    /// One tick reading or one event.
    struct Entry {
        bool isEvent = false;
        Uint32 ticks = 0;
        SDL_Event event{};
        /// Whether Escape was held when a key event arrived.
        bool escapeHeld = false;
    };

    /// True for the events the main loop dispatches: key, mouse and quit.
    static bool isRecorded(const SDL_Event& event);
    /// The file header.
    static std::vector<uint8_t> header();
    /// Appends a tick reading.
    static void appendTicks(std::vector<uint8_t>& out, Uint32 ticks);
    /// Appends a recorded event.
    static void appendEvent(std::vector<uint8_t>& out, const SDL_Event& event, bool escapeHeld);

    /// Appends the end mark.
    static void appendEnd(std::vector<uint8_t>& out);

    /// Decodes a whole recording; false with a reason for a file that is not a recording, is
    /// from another version, or ends inside an entry.
    static bool decode(const std::vector<uint8_t>& bytes, std::vector<Entry>& entries,
                       std::string& reason);
    /// Reads and decodes a recording file; false with a reason naming the file.
    static bool load(const std::string& path, std::vector<Entry>& entries, std::string& reason);
};
