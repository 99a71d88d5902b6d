// The autopilot as an input source: plays an AutopilotPath as the SDL events a player's mouse
// and keyboard send (motion, a right-button drag, the u key and a click on a mode button), one
// step of the path per simulation step. Real events pass through; real input takes over at
// once (a drag is released and a panel the autopilot opened is closed first), and the
// autopilot comes back after ten seconds of steps without any. It presses no widget but the
// mode buttons of a panel it opened itself: a panel the player left shown is hidden while it
// plays and shown again when the player comes back.
#pragma once

#include "input/InputSource.h"
#include "sim/AutopilotPath.h"
#include "sim/Simulation.h"

#include <SDL.h>

#include <cstdint>
#include <deque>

class AutopilotInput : public InputSource {
public:
    /// Where the panel's mode buttons are pressed, in window pixels.
    struct PanelButtons {
        int gradientModeX, gradientModeY;
        int particleModeX, particleModeY;
    };

    static constexpr uint64_t IDLE_STEPS = 10 * Simulation::STEPS_PER_SECOND;

    /// Plays `path` over the input of `real`, which it passes on.
    AutopilotInput(AutopilotPath path, PanelButtons buttons, InputSource& real);

    /// The real source's tick count.
    Uint32 ticks() override { return real.ticks(); }
    /// Passes the pass on to the real source.
    void beginPass() override { real.beginPass(); }
    void endPass() override { real.endPass(); }
    /// The next event: a real one if one is waiting, else the autopilot's for the steps run
    /// since the last call; false when there are none.
    bool poll(SDL_Event& event) override;
    /// The real key state.
    const Uint8* keyState() override { return real.keyState(); }
    /// Counts the step: the path moves one step per simulation step.
    void stepped() override { ++steps; }

private:
    /// An event's type: 8 bits in SDL 1.2, wider in the browser's SDL.
    using EventType = decltype(SDL_Event::type);

    bool isPlayerInput(const SDL_Event& event);
    static bool isPanelKey(const SDL_Event& event);
    void takeOver(const SDL_Event& cause);
    void catchUp();
    void play(const AutopilotPath::Step& step);
    void pushMotion(int x, int y);
    void pushButton(EventType type, Uint8 button, int x, int y);
    void pushKey(SDLKey key);
    void togglePanel();

    AutopilotPath path;
    PanelButtons buttons;
    InputSource& real;
    uint64_t steps = 0;
    std::deque<SDL_Event> queue;
    uint64_t pathSteps = 0;
    uint64_t resumeAt = 0;
    bool knowPointer = false;
    int pointerX = 0, pointerY = 0;  // the real pointer
    int handX = 0, handY = 0;        // the autopilot's pointer
    bool dragging = false;
    bool panelVisible = false;
    bool panelOpenedHere = false;  // the autopilot's own panel is shown
    bool panelHiddenHere = false;  // the player's panel is put away while the autopilot plays
};
