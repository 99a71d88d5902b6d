// The screensaver's settings dialog: Windows' Screen Saver settings open it with /c. The
// X screensaver's settings are xscreensaver's own. Each platform has its own source file.
#pragma once

#include <string>

/// Shows the settings dialog, owned by the window `ownerWindow` names (a number; empty: none),
/// and keeps what OK confirms; the program's exit code.
int showScreensaverDialog(const std::string& ownerWindow);
