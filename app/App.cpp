#include "app/App.h"

#include "input/InputSource.h"
#include "platform/Platform.h"
#include "screens/State.h"

#include <cstdint>

namespace {
/// Keypad arrows are stored as the arrow keys they stand for.
int remapKeypad(int code) {
    switch (code) {
    case SDLK_KP2:
        return SDLK_DOWN;
    case SDLK_KP4:
        return SDLK_LEFT;
    case SDLK_KP6:
        return SDLK_RIGHT;
    case SDLK_KP8:
        return SDLK_UP;
    default:
        return code;
    }
}
} // namespace

App::App() = default;

App::~App() = default;

Uint32 App::ticks() { return input->ticks(); }

bool App::init() {
    SDL_WM_SetCaption(getCaption(), "");
    screen = SDL_GetVideoSurface();
    acceptEveryEvent();
    resetTiming();
    return true;
}

void App::resetTiming() {
    nextStepTime = 0;
    startTicks = input->ticks();
    clock = 0;
}

void App::runPass() {
    input->beginPass();
    SDL_Event event;
    while (input->poll(event))
        dispatch(event);
    advanceClock();
    if (update() && frameWanted()) {
        if (currentState)
            currentState->draw(screen);
        finishFrame();
        if (frameObserver)
            frameObserver();
        SDL_GL_SwapBuffers();
    }
    input->endPass();
    if (input->finished())
        setRunning(false);
    if (passObserver)
        passObserver();
}

void App::setFrameLimit(int framesPerSecond) {
    frameInterval = framesPerSecond > 0 ? 1000 / framesPerSecond : 0;
}

bool App::frameWanted() {
    // On the smoothed clock, which a replay repeats: the limit takes no tick readings of its own.
    if (frameInterval && framed && clock - lastFrame < frameInterval)
        return false;
    framed = true;
    lastFrame = clock;
    return true;
}

void App::advanceClock() {
    // In 64 bits so that the product cannot wrap; the result equals the 32-bit formula's
    // until that one would overflow after about 16 days.
    const Uint32 elapsed = input->ticks() - startTicks;
    clock = static_cast<Uint32>((static_cast<uint64_t>(clock) * 3 + elapsed) >> 2);
}

void App::dispatch(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        onKeyDown(event.key);
        break;
    case SDL_KEYUP: {
        setKeyState(input->keyState());
        const int code = event.key.keysym.sym;
        if (currentState)
            currentState->keyUp(&code);
        break;
    }
    case SDL_MOUSEMOTION:
        if (currentState)
            currentState->mouseMove(&event.motion);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (currentState)
            currentState->mouseDown(&event.button);
        break;
    case SDL_MOUSEBUTTONUP:
        if (currentState)
            currentState->mouseUp(&event.button);
        break;
    case SDL_QUIT:
        setRunning(false);
        break;
    default:
        break;
    }
}

void App::onKeyDown(const SDL_KeyboardEvent& event) {
    setKeyState(input->keyState());
    const int code = event.keysym.sym;
    // The key state makes any key pressed while Escape is held quit. The event itself counts
    // too: SDL updates the state as it queues events, so an Escape tapped during a long frame
    // is already released by the time its key-down is dispatched.
    if (isEscapeHeld(keyState) || code == SDLK_ESCAPE)
        setRunning(false);
    pressedKeys.push_back(remapKeypad(code));
    if (currentState)
        currentState->keyDown(&code);
}

bool App::update() {
    if (clock < nextStepTime)
        return false;
    if (!currentState) {
        nextStepTime = clock;
        return false;
    }
    while (nextStepTime < clock) {
        nextStepTime += 1000 / currentState->getRate();
        currentState->update(nextStepTime, pressedKeys);
        input->stepped();
        // A step may switch screens; the next step belongs to the new one.
        if (!currentState)
            break;
    }
    return true;
}

void App::changeState(int stateId) {
    leaveCurrentState();
    currentState = getState(stateId);
    if (currentState)
        currentState->enter(clock);
}

void App::leaveCurrentState() {
    if (currentState)
        currentState->leave();
    currentState = nullptr;
}
