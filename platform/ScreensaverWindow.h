// The window a screensaver draws in. Under X: the one named by --window-id, or with --root
// the one in XSCREENSAVER_WINDOW (the screen's root window when that is unset). On Windows: a
// window of the program's own inside the one --window-id names (the preview), or with --root
// over the screen, which also ends the run on the player's input. SDL draws into it through
// SDL_WINDOWID. Each platform has its own source file.
#pragma once

#include <string>

/// Finds the window (`windowId` empty for --root), tells SDL to draw into it and gives its
/// size; call before SDL starts. False with a reason when there is no such window (or, in the
/// browser, no screensaver).
bool adoptScreensaverWindow(const std::string& windowId, int& width, int& height,
                            std::string& reason);
