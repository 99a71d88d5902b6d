#include "app/App.h"

#include "platform/Platform.h"
#include "platform/WindowSize.h"
#include "render/Letterbox.h"
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

App::App()
    : readTicks(SDL_GetTicks), sleep(waitMilliseconds),
      nextEvent([this](SDL_Event& event) { return pollWindow(event); }),
      readKeyState(keyboardState) {}

App::~App() = default;

void App::setTimeSource(TickSource ticks, Sleeper sleeper) {
    readTicks = std::move(ticks);
    sleep = std::move(sleeper);
}

void App::setInputSource(EventSource events, KeyStateSource keys) {
    nextEvent = std::move(events);
    readKeyState = std::move(keys);
}

bool App::init() {
    SDL_WM_SetCaption(getCaption(), "");
    screen = SDL_GetVideoSurface();
    acceptEveryEvent();
    resetTiming();
    return true;
}

void App::resetTiming() {
    nextStepTime = 0;
    startTicks = readTicks();
    clock = 0;
}

void App::runPass() {
    const Uint32 passStart = readTicks();
    SDL_Event event;
    while (nextEvent(event))
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
    if (readTicks() == passStart)
        sleep(1);
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

bool App::pollWindow(SDL_Event& event) {
    if (!SDL_PollEvent(&event))
        return false;
    if (!screen || (screen->w == WINDOW_WIDTH && screen->h == WINDOW_HEIGHT))
        return true;
    const Letterbox area(screen->w, screen->h, WINDOW_WIDTH, WINDOW_HEIGHT);
    int x = 0, y = 0;
    if (event.type == SDL_MOUSEMOTION) {
        area.toPicture(event.motion.x, event.motion.y, x, y);
        event.motion.x = static_cast<Uint16>(x);
        event.motion.y = static_cast<Uint16>(y);
    } else if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
        area.toPicture(event.button.x, event.button.y, x, y);
        event.button.x = static_cast<Uint16>(x);
        event.button.y = static_cast<Uint16>(y);
    }
    return true;
}

void App::advanceClock() {
    // In 64 bits so that the product cannot wrap; the result equals the 32-bit formula's
    // until that one would overflow after about 16 days.
    const Uint32 elapsed = readTicks() - startTicks;
    clock = static_cast<Uint32>((static_cast<uint64_t>(clock) * 3 + elapsed) >> 2);
}

void App::dispatch(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        onKeyDown(event.key);
        break;
    case SDL_KEYUP: {
        setKeyState(readKeyState());
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
    setKeyState(readKeyState());
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
        ++steps;
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
