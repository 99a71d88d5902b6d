// The one OpenGL window of a test binary, and read-back of what was drawn into it.
#pragma once

#include <SDL.h>

#include <ostream>
#include <vector>

/// One RGBA pixel read back from the framebuffer or a texture.
struct Pixel {
    Uint8 r, g, b, a;
    bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

/// Prints a pixel as (r, g, b, a) in test failure messages.
std::ostream& operator<<(std::ostream& out, const Pixel& pixel);

/// The window stays open until the process ends. SDL is deliberately not shut down: that would
/// unload the GL driver before the leak checker runs, leaving the driver's own allocations
/// without the library names its suppressions match.
class GLWindow {
public:
    static const int WIDTH = 1024;
    static const int HEIGHT = 768;

    /// Opens the 1024 x 768 double-buffered OpenGL window with the cursor hidden; if it
    /// cannot, says why on stderr (see isOpen).
    GLWindow();
    /// True when the window and its GL context exist.
    bool isOpen() const { return open; }

    /// Window pixel (x, y) of the buffer being drawn, origin top-left.
    static Pixel readPixel(int x, int y) { return readRegion(x, y, 1, 1).front(); }
    /// The w x h pixels whose top-left corner is (x, y), row by row from the top.
    static std::vector<Pixel> readRegion(int x, int y, int w, int h);

private:
    bool open = false;
};
