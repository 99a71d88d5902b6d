// How a screen asks whoever runs the screens to switch to another one or to end the run.
#pragma once

/// Screen ids.
constexpr int TITLE_SCREEN = 1;
constexpr int SIMULATION_SCREEN = 2;

class ScreenNavigator {
public:
    virtual ~ScreenNavigator() = default;

    /// Leaves the current screen and enters the one registered under `stateId` (if any).
    virtual void changeState(int stateId) = 0;
    /// Whether the run goes on.
    virtual bool isRunning() const = 0;
    /// Ends the run after the current pass.
    virtual void quit() = 0;
};
