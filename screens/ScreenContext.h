// What a screen is handed when it is made: the services it draws and plays with, the picture it
// lays out for, and the way back to whoever runs the screens. The screen owns none of them.
#pragma once

#include <cstdint>
#include <functional>

class RandomGenerator;
class ScreenNavigator;
class StateStore;
class UIFont;
class UIGraphics;

struct ScreenContext {
    UIGraphics* graphics = nullptr;
    UIFont* mediumFont = nullptr;
    UIFont* smallFont = nullptr;
    /// The program's generator: particle positions and ages.
    RandomGenerator* random = nullptr;
    /// The picture's size in pixels (1024 x 768 in every window: the window only scales it).
    int width = 0;
    int height = 0;
    /// Seeds the tint fade's generator.
    uint32_t tintSeed = 0;
    /// Whether the simulation screen plays through the audio device; an offline export plays
    /// the synthesiser itself.
    bool soundDevice = true;
    /// Whether failures the player should know of (a save or load) show in the picture as
    /// well as on stderr; a screensaver only logs them.
    bool showNotices = true;
    /// Where "state.dat" is kept; null: the working folder.
    StateStore* store = nullptr;
    /// Told when the field is cleared (r or the clearing corner), after the event that did it.
    std::function<void()> fieldCleared;
    ScreenNavigator* navigator = nullptr;
};
