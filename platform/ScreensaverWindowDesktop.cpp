#include "platform/ScreensaverWindow.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <memory>

namespace {
int ignoreError(Display*, XErrorEvent*) { return 0; }
} // namespace

bool adoptScreensaverWindow(const std::string& windowId, int& width, int& height,
                            std::string& reason) {
    const std::unique_ptr<Display, int (*)(Display*)> display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) {
        reason = "no X display to draw the screensaver on";
        return false;
    }
    const char* given = !windowId.empty() ? windowId.c_str() : std::getenv("XSCREENSAVER_WINDOW");
    const Window window = given ? std::strtoul(given, nullptr, 0) : DefaultRootWindow(display.get());
    // A window id that names nothing is an X error: answered here as a failed query.
    const auto previous = XSetErrorHandler(ignoreError);
    XWindowAttributes attributes{};
    const bool found = window && XGetWindowAttributes(display.get(), window, &attributes);
    XSetErrorHandler(previous);
    if (!found) {
        reason = "no window " + std::string(given ? given : "(root)") + " to draw the screensaver in";
        return false;
    }
    width = attributes.width;
    height = attributes.height;
    setenv("SDL_WINDOWID", std::to_string(window).c_str(), 1);
    // Where SDL 1.2 is the compatibility layer over SDL 2 (Debian 13), a window SDL did not
    // make takes an OpenGL context only with this hint; the classic SDL 1.2 ignores it.
    setenv("SDL_VIDEO_FOREIGN_WINDOW_OPENGL", "1", 1);
    return true;
}
