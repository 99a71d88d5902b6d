#include "input/WindowInput.h"

#include "platform/Platform.h"
#include "platform/WindowSize.h"
#include "render/Letterbox.h"

Uint32 WindowInput::ticks() { return SDL_GetTicks(); }

void WindowInput::beginPass() { passStart = SDL_GetTicks(); }

void WindowInput::endPass() {
    if (SDL_GetTicks() == passStart)
        waitMilliseconds(1);
}

const Uint8* WindowInput::keyState() { return keyboardState(); }

bool WindowInput::poll(SDL_Event& event) {
    if (!SDL_PollEvent(&event))
        return false;
    const SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen || (screen->w == WINDOW_WIDTH && screen->h == WINDOW_HEIGHT))
        return true;
    const Letterbox area(screen->w, screen->h, WINDOW_WIDTH, WINDOW_HEIGHT);
    int x = 0, y = 0;
    if (event.type == SDL_MOUSEMOTION) {
        area.toPicture(event.motion.x, event.motion.y, x, y);
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
    } else if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
        area.toPicture(event.button.x, event.button.y, x, y);
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
    }
    return true;
}
