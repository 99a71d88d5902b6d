// The window an X screensaver gives its display mode: the one named by --window-id, or with
// --root the one in XSCREENSAVER_WINDOW (the screen's root window when that is unset). SDL
// draws into it through SDL_WINDOWID.
#pragma once

#include <string>

/// Finds the window (`windowId` empty for --root), tells SDL to draw into it and gives its
/// size; call before SDL starts. False with a reason when there is no such window (or, in the
/// browser and on Windows, no X screensaver).
bool adoptScreensaverWindow(const std::string& windowId, int& width, int& height,
                            std::string& reason);
