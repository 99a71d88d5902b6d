// The autopilot's hand: a seeded cursor path for a window, one position per simulation step.
// The pointer follows a sum of slow and fast waves whose centre, size and speed keep changing,
// so it never retraces a loop; between gestures it rests (no motion) so the field settles and
// the sound fades; now and then it resizes the brush with a right-button drag, and every few
// minutes it opens the panel and presses a mode button. It never comes near the bottom-right
// corner that clears the field. Plain C++: the same seed gives the same path on every machine.
#pragma once

#include "sim/RandomGenerator.h"

#include <cstdint>

class AutopilotPath {
public:
    /// What the hand does at a step besides moving.
    enum class Action { None, PressRight, ReleaseRight, ShowPanel, PressGradientMode,
                        PressParticleMode, HidePanel };

    /// One step of the path: where the pointer is, whether it moved there in this step, and
    /// an action taken after the move.
    struct Step {
        int x = 0;
        int y = 0;
        bool moved = false;
        Action action = Action::None;
    };

    /// A path for a window of the given size (the clearing corner lies at its 9/10 marks).
    AutopilotPath(uint32_t seed, int windowWidth, int windowHeight);

    /// The next step of the path.
    Step next();

private:
    struct Wave {
        double frequency; // radians per second of active time
        double phase;
    };

    double uniform(double low, double high);
    Wave wave(double periodLow, double periodHigh);
    void point(double& x, double& y) const;
    void keepClear(double& x, double& y) const;
    void planGesture();
    void planResize(Step& step);
    Step resizeStep();
    Action scheduledAction();

    RandomGenerator random;
    int width;
    int height;
    Wave centreX[2], centreY[2], size, swingX[2], swingY[2];
    double active = 0;      // seconds of path travelled: stands still while resting
    double speed = 0;       // active seconds per second, eased toward speedTarget
    double speedTarget = 1;
    long gestureLeft = 0;   // steps until the next gesture's speed is picked
    long untilRest = 0;     // steps of stirring before the next rest
    long step = 0;
    long nextResize = 0;
    long nextModeChange = 0;
    double radius;          // the brush radius as the path's own drags have left it
    // A resize drag: down to the start, across `drag` pixels, hold, release, back.
    long resizeStart = -1;
    int resizeX = 0, resizeY = 0, drag = 0;
    int lastX = -1, lastY = -1;
};
