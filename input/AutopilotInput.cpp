#include "input/AutopilotInput.h"

AutopilotInput::AutopilotInput(AutopilotPath handPath, PanelButtons panelButtons,
                               InputSource& realInput)
    : path(std::move(handPath)), buttons(panelButtons), real(realInput) {}

bool AutopilotInput::poll(SDL_Event& event) {
    SDL_Event next;
    if (queue.empty() && real.poll(next)) {
        if (isPlayerInput(next))
            takeOver(next);
        if (isPanelKey(next))
            panelVisible = !panelVisible;
        queue.push_back(next);
    }
    if (queue.empty())
        catchUp();
    if (queue.empty())
        return false;
    event = queue.front();
    queue.pop_front();
    return true;
}

bool AutopilotInput::isPlayerInput(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION: {
        // SDL reports where the pointer is when the window appears: that is no hand on it.
        const bool moved = knowPointer && (event.motion.x != pointerX || event.motion.y != pointerY);
        knowPointer = true;
        pointerX = event.motion.x;
        pointerY = event.motion.y;
        return moved;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return true;
    default:
        return false;
    }
}

bool AutopilotInput::isPanelKey(const SDL_Event& event) {
    return event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_u;
}

void AutopilotInput::takeOver(const SDL_Event& cause) {
    resumeAt = steps + IDLE_STEPS;
    if (dragging)
        pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, handX, handY);
    dragging = false;
    // The player gets the panel back as they left it. Their own u acts on what they see: it
    // closes the autopilot's panel, or shows the one the autopilot put away.
    if ((panelOpenedHere || panelHiddenHere) && !isPanelKey(cause))
        togglePanel();
    panelOpenedHere = false;
    panelHiddenHere = false;
}

void AutopilotInput::catchUp() {
    // The path takes one step per simulation step whether or not it plays, so where it is
    // depends on the step clock alone.
    const uint64_t now = steps;
    for (; pathSteps < now; ++pathSteps) {
        const AutopilotPath::Step step = path.next();
        if (pathSteps >= resumeAt)
            play(step);
    }
}

void AutopilotInput::play(const AutopilotPath::Step& step) {
    // A panel the player left shown is put away while the autopilot plays: its drags would
    // land on the player's sliders and buttons (Save, Load) wherever the path takes them.
    if (panelVisible && !panelOpenedHere) {
        togglePanel();
        panelHiddenHere = true;
    }
    if (step.moved)
        pushMotion(step.x, step.y);
    using Action = AutopilotPath::Action;
    switch (step.action) {
    case Action::PressRight:
        dragging = true;
        pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, handX, handY);
        break;
    case Action::ReleaseRight:
        if (dragging)
            pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, handX, handY);
        dragging = false;
        break;
    case Action::ShowPanel:
        panelOpenedHere = !panelVisible;
        if (panelOpenedHere)
            togglePanel();
        break;
    case Action::PressGradientMode:
    case Action::PressParticleMode: {
        if (!panelOpenedHere)
            break;
        // Pressed where the button is, without moving there: the brush stays on its path.
        const bool gradient = step.action == Action::PressGradientMode;
        const int x = gradient ? buttons.gradientModeX : buttons.particleModeX;
        const int y = gradient ? buttons.gradientModeY : buttons.particleModeY;
        pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, x, y);
        pushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, x, y);
        break;
    }
    case Action::HidePanel:
        if (panelOpenedHere)
            togglePanel();
        panelOpenedHere = false;
        break;
    case Action::None:
        break;
    }
}

void AutopilotInput::pushMotion(int x, int y) {
    SDL_Event event{};
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.state = dragging ? SDL_BUTTON(SDL_BUTTON_RIGHT) : 0;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    event.motion.xrel = static_cast<Sint16>(x - handX);
    event.motion.yrel = static_cast<Sint16>(y - handY);
    handX = x;
    handY = y;
    queue.push_back(event);
}

void AutopilotInput::pushButton(EventType type, Uint8 button, int x, int y) {
    SDL_Event event{};
    event.button.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    queue.push_back(event);
}

void AutopilotInput::pushKey(SDLKey key) {
    for (EventType type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event{};
        event.key.type = type;
        event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = key;
        queue.push_back(event);
    }
}

void AutopilotInput::togglePanel() {
    pushKey(SDLK_u);
    panelVisible = !panelVisible;
}
