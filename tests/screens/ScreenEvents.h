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

inline SDL_MouseButtonEvent buttonAt(Uint8 type, Uint8 button, int x, int y) {
    SDL_MouseButtonEvent event{};
    event.type = type;
    event.button = button;
    event.x = static_cast<Uint16>(x);
    event.y = static_cast<Uint16>(y);
    return event;
}

inline SDL_MouseButtonEvent pressAt(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    return buttonAt(SDL_MOUSEBUTTONDOWN, button, x, y);
}

inline SDL_MouseButtonEvent releaseAt(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    return buttonAt(SDL_MOUSEBUTTONUP, button, x, y);
}
