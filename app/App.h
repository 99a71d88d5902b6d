// The application frame: main loop, smoothed clock, fixed-rate stepping, event dispatch and
// screen switching. The derived application supplies the caption and the screens.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <list>

class InputSource;
class State;

class App {
public:
    /// Called by the loop at a fixed point of each pass.
    using Observer = std::function<void()>;

    App();
    virtual ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    /// Sets the caption, takes the display surface and resets the clock; returns true.
    virtual bool init();
    /// Leaves the current screen and enters the one registered under `stateId` (if any).
    virtual void changeState(int stateId);
    /// Leaves the current screen, after which there is none (before screens are deleted).
    void leaveCurrentState();
    /// Runs the fixed steps that are due; true when a frame is to be drawn in this pass.
    virtual bool update();
    /// The window caption.
    virtual const char* getCaption() = 0;
    /// The screen registered under an id; null if none.
    virtual State* getState(int stateId) = 0;
    /// Completes the frame the current screen drew (flushing it to the GL), before it is
    /// observed and shown.
    virtual void finishFrame() {}

    void setRunning(bool value) { running = value; }
    bool isRunning() const { return running; }
    SDL_Surface* getScreen() const { return screen; }
    int getScreenWidth() const { return screen->w; }
    int getScreenHeight() const { return screen->h; }
    void setKeyState(const Uint8* state) { keyState = state; }
    /// Restarts the smoothed clock and the step schedule at 0.
    void resetTiming();

    /// Where the run takes its time and input from, for as long as it runs; set before init.
    /// The run ends once the source is finished.
    void setInput(InputSource& source) { input = &source; }
    /// Draws at most `framesPerSecond` frames a second (0: every frame that is due); the steps
    /// keep their rate.
    void setFrameLimit(int framesPerSecond);
    /// Called after each drawn frame, before the buffers are swapped.
    void setFrameObserver(Observer observer) { frameObserver = std::move(observer); }
    /// Called at the end of every pass.
    void setPassObserver(Observer observer) { passObserver = std::move(observer); }
    /// The current tick count from the input source.
    Uint32 ticks();
    /// The current screen; null before the first changeState or after an unknown id.
    State* getCurrentState() const { return currentState; }
    /// The smoothed clock in milliseconds since resetTiming.
    Uint32 getClock() const { return clock; }

    /// One pass of the main loop: events, clock, due steps, and a frame if one is due.
    void runPass();

private:
    bool frameWanted();
    void dispatch(const SDL_Event& event);
    void onKeyDown(const SDL_KeyboardEvent& event);
    void advanceClock();

    SDL_Surface* screen = nullptr;
    bool running = true;
    Uint32 clock = 0;
    Uint32 startTicks = 0;
    Uint32 nextStepTime = 0;
    Uint32 frameInterval = 0;
    Uint32 lastFrame = 0;
    bool framed = false;
    std::list<int> pressedKeys;
    const Uint8* keyState = nullptr;
    State* currentState = nullptr;
    InputSource* input = nullptr;
    Observer frameObserver;
    Observer passObserver;
};
