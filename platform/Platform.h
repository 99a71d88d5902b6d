// What differs between the platforms the program runs on: the main loop, the keyboard state,
// waiting, the cursor and where the program lies. Each platform has its own source file.
#pragma once

#include <SDL.h>

#include <filesystem>
#include <functional>

struct CursorBits;

/// The array SDL keeps of the keys held down now.
const Uint8* keyboardState();
/// Where Escape lies in a key-state array such as keyboardState gives: SDL 1.2 indexes it by
/// key symbol, the browser's SDL by scancode.
int escapeKeyIndex();
/// Whether Escape is held in a key-state array such as keyboardState gives.
inline bool isEscapeHeld(const Uint8* keyState) { return keyState[escapeKeyIndex()] == 1; }
/// Installs an event filter that lets every event through (the browser's SDL has none).
void acceptEveryEvent();
/// Makes the 32 x 32 cursor SDL's current one for the rest of the run (if SDL takes it). The
/// browser's SDL has no cursors: there the page's style sheet decides.
void useCursor(CursorBits bits);
/// Waits a few milliseconds between passes. The browser cannot block its page: there the
/// next animation frame is the wait, so this returns at once.
void waitMilliseconds(Uint32 milliseconds);
/// The folder the running program lies in; empty if unknown. The browser's file system
/// mirrors the installed layout, so data and modules are found relative to it alike.
std::filesystem::path programFolder();
/// Runs `runPass` (one pass of the main loop; false once the run has ended) until it ends,
/// then `finish`, whose value is the exit code. The desktop loops here and returns it; the
/// browser runs a pass every animation frame, returns at once, and exits the page's runtime
/// with that code when the run ends.
int runMainLoop(std::function<bool()> runPass, std::function<int()> finish);
