#include "tests/support/GLWindow.h"

#include <GL/gl.h>

#include <cstdio>

namespace {
void sayWhyNot() {
    std::fprintf(stderr, "No OpenGL window (these tests need an X display; try xvfb-run): %s\n",
                 SDL_GetError());
}
} // namespace

std::ostream& operator<<(std::ostream& out, const Pixel& pixel) {
    return out << '(' << int(pixel.r) << ", " << int(pixel.g) << ", " << int(pixel.b) << ", "
               << int(pixel.a) << ')';
}

GLWindow::GLWindow() {
    // Connecting to a busy X server can fail for a moment (EAGAIN), so a few tries are made.
    for (int attempt = 1; SDL_Init(SDL_INIT_VIDEO) != 0; ++attempt) {
        if (attempt == 20) {
            sayWhyNot();
            return;
        }
        SDL_Delay(50);
    }
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    if (!SDL_SetVideoMode(WIDTH, HEIGHT, 0, SDL_OPENGL)) {
        sayWhyNot();
        SDL_Quit();
        return;
    }
    SDL_ShowCursor(SDL_DISABLE);
    open = true;
}

std::vector<Pixel> GLWindow::readRegion(int x, int y, int w, int h) {
    // GL counts rows from the bottom of the window; the result runs from the top.
    std::vector<Pixel> bottomUp(static_cast<size_t>(w) * h), topDown;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, HEIGHT - y - h, w, h, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    for (int row = h - 1; row >= 0; --row)
        topDown.insert(topDown.end(), bottomUp.begin() + row * w, bottomUp.begin() + (row + 1) * w);
    return topDown;
}
