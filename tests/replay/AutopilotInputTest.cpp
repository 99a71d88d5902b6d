#include "replay/AutopilotInput.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace {
/// Runs `steps` steps, one poll round each, and returns every event the source gave.
struct Harness {
    std::deque<SDL_Event> real;
    uint64_t step = 0;
    AutopilotInput input{AutopilotPath(9, 1024, 768), {959, 704, 839, 704},
                         [this](SDL_Event& event) {
                             if (real.empty())
                                 return false;
                             event = real.front();
                             real.pop_front();
                             return true;
                         },
                         [this] { return step; }};

    std::vector<SDL_Event> run(uint64_t steps) {
        std::vector<SDL_Event> events;
        for (uint64_t i = 0; i < steps; ++i) {
            ++step;
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
} // namespace

TEST(AutopilotInput, RealMotionTakesOverAndTheAutopilotResumesAfterTenSecondsOfSteps) {
    Harness harness;
    harness.real.push_back(motion(512, 384)); // where the pointer is when the window opens
    EXPECT_GT(harness.run(600).size(), 100u) << "the autopilot stirs from the start";

    harness.real.push_back(motion(300, 200));
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
