#include "platform/ScreensaverWindow.h"

bool adoptScreensaverWindow(const std::string&, int&, int&, std::string& reason) {
    reason = "the screensaver mode needs an X display";
    return false;
}
