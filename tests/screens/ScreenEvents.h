// SDL event records for driving screens in tests.
#pragma once

#include <SDL.h>

inline SDL_MouseMotionEvent motionTo(int x, int y) {
    SDL_MouseMotionEvent event{};
    event.type = SDL_MOUSEMOTION;
    event.x = static_cast<Uint16>(x);
    event.y = static_cast<Uint16>(y);
    return event;
}

/// A left-button press (type SDL_MOUSEBUTTONDOWN) or release (SDL_MOUSEBUTTONUP) at (x, y).
inline SDL_MouseButtonEvent leftButton(Uint8 type, int x, int y) {
    SDL_MouseButtonEvent event{};
    event.type = type;
    event.button = SDL_BUTTON_LEFT;
    event.x = static_cast<Uint16>(x);
    event.y = static_cast<Uint16>(y);
    return event;
}
