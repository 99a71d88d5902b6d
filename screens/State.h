// A screen of the application: the main loop steps, draws and feeds it events.
#pragma once

#include <SDL.h>

#include <list>
#include <string>

class State {
public:
    virtual ~State() = default;

    /// Loads the screen's images and widgets once; false rejects the screen.
    virtual bool load() { return true; }
    /// Releases what load created; called before the screen is deleted.
    virtual void unload() {}
    /// One fixed step at scheduled clock time `time`; the screen consumes `keys` by emptying it.
    virtual bool update(unsigned time, std::list<int>& keys) = 0;
    /// Draws one frame; the buffers are swapped afterwards by the main loop.
    virtual void draw(SDL_Surface* screen) = 0;
    /// The screen becomes current; `clock` is the application's smoothed clock.
    virtual void enter(unsigned clock) { (void)clock; }
    /// Another screen replaces this one.
    virtual void leave() {}
    /// A key went down; `code` points to the SDL key symbol as pressed.
    virtual void keyDown(const int* code) { (void)code; }
    /// A key went up.
    virtual void keyUp(const int* code) { (void)code; }
    /// A mouse button went down.
    virtual void mouseDown(const SDL_MouseButtonEvent* event) { (void)event; }
    /// A mouse button went up.
    virtual void mouseUp(const SDL_MouseButtonEvent* event) { (void)event; }
    /// The mouse moved.
    virtual void mouseMove(const SDL_MouseMotionEvent* event) { (void)event; }

    /// Fixed steps per second the main loop runs for this screen.
    int getRate() const { return rate; }
    /// The file whose loading made load fail; empty otherwise.
    const std::string& getLoadFailure() const { return loadFailure; }

protected:
    int rate = 25;
    std::string loadFailure;
};
