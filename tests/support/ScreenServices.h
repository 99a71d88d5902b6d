// What the screen tests hand their screens: a real graphics context and the two fonts, made once
// inside the test program's GL window, a generator, and a navigator that records what a screen
// asks of it. No application is started.
#pragma once

#include "render/UIFont.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "screens/ScreenContext.h"
#include "screens/ScreenNavigator.h"
#include "sim/RandomGenerator.h"

#include <memory>

class RecordingNavigator : public ScreenNavigator {
public:
    void changeState(int stateId) override { changedTo = stateId; }
    bool isRunning() const override { return running; }
    void quit() override { running = false; }

    int changedTo = 0; ///< the last screen asked for; 0 for none
    bool running = true;
};

struct ScreenServices {
    /// Loads the fonts from data/; false if one is missing.
    bool load();
    /// A context of these services for a 1024 x 768 window that plays through the audio device.
    ScreenContext context();

    UIGraphicsOpenGLSDL graphics;
    std::unique_ptr<UIFont> mediumFont;
    std::unique_ptr<UIFont> smallFont;
    RandomGenerator random{1234};
    RecordingNavigator navigator;
};

/// The services of the screen tests, made by their main.
ScreenServices& screenServices();
