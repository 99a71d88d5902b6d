#include "input/AutopilotInput.h"

#include "screens/PanelLayout.h"
#include "sim/Simulation.h"
#include "tests/support/ScriptedInput.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {
constexpr int GRADIENT_X = PanelLayout::GRADIENT_MODE.x + PanelLayout::BUTTON_WIDTH / 2;
constexpr int PARTICLE_X = PanelLayout::PARTICLE_MODE.x + PanelLayout::BUTTON_WIDTH / 2;
constexpr int MODE_Y = PanelLayout::GRADIENT_MODE.y + PanelLayout::BUTTON_HEIGHT / 2;

/// Runs `steps` steps, one poll round each, and returns every event the source gave.
struct Harness {
    explicit Harness(uint32_t seed = 9) : seed(seed) {}

    uint32_t seed;
    ScriptedInput real;
    uint64_t step = 0;
    AutopilotInput input{AutopilotPath(seed, 1024, 768), {GRADIENT_X, MODE_Y, PARTICLE_X, MODE_Y},
                         real};

    std::vector<SDL_Event> run(uint64_t steps) {
        std::vector<SDL_Event> events;
        for (uint64_t i = 0; i < steps; ++i) {
            ++step;
            input.stepped();
            SDL_Event event;
            while (input.poll(event))
                events.push_back(event);
        }
        return events;
    }
};

SDL_Event motion(int x, int y) {
    SDL_Event event{};
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    return event;
}

void pressU(Harness& harness) {
    for (auto type : {SDL_KEYDOWN, SDL_KEYUP}) {
        SDL_Event event{};
        event.key.type = type;
        event.key.keysym.sym = SDLK_u;
        harness.real.events.push_back(event);
    }
}

bool isU(const SDL_Event& event) {
    return event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_u;
}

bool inside(int x, int y, PanelLayout::Place place, int width, int height) {
    return x >= place.x && x < place.x + width && y >= place.y && y < place.y + height;
}

/// Whether a point lies on one of the panel's sliders or buttons.
bool onWidget(int x, int y) {
    for (int sliderX : PanelLayout::SLIDER_X) {
        if (inside(x, y, {sliderX, PanelLayout::SLIDER_Y}, PanelLayout::SLIDER_WIDTH,
                   PanelLayout::SLIDER_HEIGHT))
            return true;
    }
    for (PanelLayout::Place button : {PanelLayout::SAVE, PanelLayout::LOAD, PanelLayout::GRID,
                                      PanelLayout::CELLS, PanelLayout::GRADIENT_MODE,
                                      PanelLayout::PARTICLE_MODE}) {
        if (inside(x, y, button, PanelLayout::BUTTON_WIDTH, PanelLayout::BUTTON_HEIGHT))
            return true;
    }
    return false;
}

/// Follows the panel through a stream of events, the first u being the player's, and counts
/// the presses, drags and releases that land on a widget of a shown panel, but for the mode
/// presses on a panel the autopilot opened.
struct PanelWatch {
    bool shown = false;
    bool players = false;
    int strayTouches = 0;
    int modePresses = 0;
    int playerUs = 1;

    void see(const SDL_Event& event) {
        if (isU(event)) {
            shown = !shown;
            players = shown && playerUs-- > 0;
            return;
        }
        const bool press = event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP;
        const bool drag = event.type == SDL_MOUSEMOTION && event.motion.state != 0;
        if (!shown || !(press || drag))
            return;
        const int x = press ? event.button.x : event.motion.x;
        const int y = press ? event.button.y : event.motion.y;
        const bool modePress = press && event.button.button == SDL_BUTTON_LEFT && y == MODE_Y &&
                               (x == GRADIENT_X || x == PARTICLE_X);
        if (modePress && !players)
            modePresses += event.type == SDL_MOUSEBUTTONDOWN;
        else if (onWidget(x, y))
            ++strayTouches;
    }
};
} // namespace

TEST(AutopilotInput, RealMotionTakesOverAndTheAutopilotResumesAfterTenSecondsOfSteps) {
    Harness harness;
    harness.real.events.push_back(motion(512, 384)); // where the pointer is when the window opens
    EXPECT_GT(harness.run(600).size(), 100u) << "the autopilot stirs from the start";

    harness.real.events.push_back(motion(300, 200));
    const auto taken = harness.run(AutopilotInput::IDLE_STEPS - 1);
    // The real motion, after at most a button release and a u key that undo what it held.
    EXPECT_LE(taken.size(), 4u);
    for (const SDL_Event& event : taken) {
        if (event.type == SDL_MOUSEMOTION) {
            EXPECT_EQ(event.motion.x, 300) << "no motion of the autopilot's while the player has it";
        }
    }

    EXPECT_GT(harness.run(600).size(), 100u) << "back after ten seconds without input";
}

TEST(AutopilotInput, KeepsItsHandsOffAPanelThePlayerLeftShown) {
    constexpr uint64_t TEN_MINUTES = 10 * 60 * Simulation::STEPS_PER_SECOND;
    int modePresses = 0;
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        Harness harness(seed);
        harness.real.events.push_back(motion(512, 384));
        pressU(harness); // the player shows the panel and walks away
        PanelWatch watch;
        for (const SDL_Event& event : harness.run(TEN_MINUTES))
            watch.see(event);
        EXPECT_EQ(watch.strayTouches, 0) << "seed " << seed;
        modePresses += watch.modePresses;

        // Back at the keys, the player finds the panel as they left it.
        harness.real.events.push_back(motion(100, 100));
        for (const SDL_Event& event : harness.run(1))
            watch.see(event);
        EXPECT_TRUE(watch.shown) << "seed " << seed;
    }
    EXPECT_GT(modePresses, 200) << "the autopilot still changes modes on a panel of its own";
}

TEST(AutopilotInput, ThePlayersUClosesThePanelTheAutopilotOpened) {
    Harness harness;
    harness.real.events.push_back(motion(512, 384));
    PanelWatch watch;
    watch.playerUs = 0;
    // Steps until the autopilot opens its panel for a mode press.
    while (!watch.shown && harness.step < 10 * 60 * Simulation::STEPS_PER_SECOND) {
        for (const SDL_Event& event : harness.run(1))
            watch.see(event);
    }
    ASSERT_TRUE(watch.shown);

    pressU(harness);
    int us = 0;
    for (const SDL_Event& event : harness.run(2)) {
        us += isU(event);
        watch.see(event);
    }
    EXPECT_EQ(us, 1) << "only the player's u: it closes the panel, none of the autopilot's";
    EXPECT_FALSE(watch.shown);
}
