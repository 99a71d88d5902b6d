#include "app/App.h"
#include "screens/State.h"
#include "tests/support/ScriptedInput.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <list>
#include <vector>

namespace {
// Stepped 60 times a second; records its steps, the keys it is given, frames and switches.
class RecordingScreen : public State {
public:
    RecordingScreen() { rate = 60; }

    bool update(unsigned time, std::list<int>& keys) override {
        stepTimes.push_back(time);
        storedKeys.insert(storedKeys.end(), keys.begin(), keys.end());
        keys.clear();
        return true;
    }
    void draw(SDL_Surface*) override { ++frames; }
    void enter(unsigned) override { ++enters; }
    void leave() override { ++leaves; }
    void keyDown(const int* code) override { keysDown.push_back(*code); }

    std::vector<unsigned> stepTimes;
    std::vector<int> storedKeys, keysDown;
    int frames = 0, enters = 0, leaves = 0;
};

// The screen has id 2; no other id has one.
class LoopApp : public App {
public:
    const char* getCaption() override { return "loop test"; }
    State* getState(int stateId) override { return stateId == 2 ? &screen : nullptr; }
    using App::runPass;

    RecordingScreen screen;
};

// On SDL's dummy video driver, with the tick count and sleeps under the test's control.
class AppLoop : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(1024, 768, 0, 0), nullptr) << SDL_GetError();
    }
    static void TearDownTestSuite() { SDL_Quit(); }

    void SetUp() override {
        app.setInput(input);
        app.init();
        app.changeState(2);
    }

    void runPasses(int count) {
        for (int pass = 0; pass < count; ++pass)
            app.runPass();
    }

    ScriptedInput input;
    Uint32& now = input.now;
    Uint32& slept = input.slept;
    LoopApp app;
    RecordingScreen& screen = app.screen;
};
} // namespace

TEST_F(AppLoop, StepsEvery16MillisecondsAndDrawsNothingWhileTheClockIsBelowTheSchedule) {
    now = 1000;
    runPasses(40); // the smoothed clock settles at 997
    EXPECT_EQ(app.getClock(), 997u);
    ASSERT_EQ(screen.stepTimes.size(), 63u);
    EXPECT_EQ(input.steps, 63u) << "the source is told of every step";
    for (size_t step = 0; step < screen.stepTimes.size(); ++step)
        ASSERT_EQ(screen.stepTimes[step], 16 * (step + 1));

    const int frames = screen.frames;
    const Uint32 sleptBefore = slept;
    runPasses(5); // clock 997, next step at 1008
    EXPECT_EQ(screen.frames, frames);
    EXPECT_EQ(slept, sleptBefore + 5); // the tick count did not move: 1 ms sleep per pass
}

TEST_F(AppLoop, WithoutAScreenNothingStepsOrDrawsAndTheClockRunsPastTheProductLimit) {
    app.changeState(7);
    now = 500;
    runPasses(10);
    // Asserted: with the screen still current the huge clock below would mean days of steps.
    ASSERT_TRUE(screen.stepTimes.empty() && screen.frames == 0);
    EXPECT_EQ(screen.leaves, 1);

    now = 4000000000u; // clock * 3 no longer fits 32 bits
    Uint32 previous = 0;
    for (int pass = 0; pass < 100; ++pass) {
        app.runPass();
        ASSERT_GE(app.getClock(), previous);
        previous = app.getClock();
    }
    EXPECT_GE(app.getClock(), now - 3);
    app.changeState(2);
    EXPECT_EQ(screen.enters, 2);
}

// One pass per event. Escape, any key while Escape is held, quit and a finished source end the
// loop; a key-up never does. Keypad arrows are stored as the arrows, but keyDown sees the key
// pressed.
TEST_F(AppLoop, KeysReachTheScreenAndEscapeOrQuitEndsTheLoopAfterThePass) {
    const struct {
        Uint8 type;
        SDLKey key;
        bool escapeHeld;
        bool ends;
    } cases[] = {
        {SDL_KEYDOWN, SDLK_KP8, false, false},   {SDL_KEYDOWN, SDLK_ESCAPE, true, true},
        {SDL_KEYDOWN, SDLK_ESCAPE, false, true}, // a tap already released when dispatched
        {SDL_KEYDOWN, SDLK_a, true, true},       {SDL_QUIT, SDLK_UNKNOWN, false, true},
        {SDL_KEYUP, SDLK_ESCAPE, true, false},
    };
    for (const auto& test : cases) {
        app.setRunning(true);
        input.keys[SDLK_ESCAPE] = test.escapeHeld;
        const int framesBefore = screen.frames;
        now += 100;
        SDL_Event event{};
        event.type = event.key.type = test.type;
        event.key.keysym.sym = test.key;
        input.events.push_back(event);
        app.runPass();
        EXPECT_EQ(app.isRunning(), !test.ends) << int(test.type) << " " << test.key;
        EXPECT_EQ(screen.frames, framesBefore + 1) << "the pass completes";
    }
    input.done = true;
    now += 100;
    app.runPass();
    EXPECT_FALSE(app.isRunning()) << "a finished source ends the run after its pass";
    EXPECT_EQ(screen.storedKeys, (std::vector<int>{SDLK_UP, SDLK_ESCAPE, SDLK_ESCAPE, SDLK_a}));
    EXPECT_EQ(screen.keysDown, (std::vector<int>{SDLK_KP8, SDLK_ESCAPE, SDLK_ESCAPE, SDLK_a}));
}
