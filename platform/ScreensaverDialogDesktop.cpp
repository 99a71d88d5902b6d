#include "platform/ScreensaverDialog.h"

#include <cstdio>

int showScreensaverDialog(const std::string&) {
    std::fputs("quillomer: the screensaver's settings are in xscreensaver-settings\n", stderr);
    return 1;
}
