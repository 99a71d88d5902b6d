#include "sim/Particle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
/// Steps a particle with launch age 77; only a respawn gives it that age.
bool respawned(Particle particle, const FlowField& field) {
    RandomGenerator random(1);
    particle.step({-3, 2, 77}, field, 1024, 768, random);
    return particle.age == 77;
}
} // namespace

TEST(Particle, RespawnsWhenItsAgeRunsOutOrItLeavesTheWindow) {
    const FlowField field;
    const struct {
        Particle particle; // {age, x, y}
        bool expected;
        const char* why;
    } cases[] = {
        {{0, 500, 300}, true, "a zero-filled particle is reborn on its first step"},
        {{1, 500, 300}, true, "age 1 dies on its next step"},
        {{2, 500, 300}, false, "age 2 lives one more step"},
        {{50, -0.01f, 300}, true, "left of the window"},
        {{50, 1024.0f, 300}, true, "at the right edge"},
        {{50, 1023.9f, 300}, false, "just inside the right edge"},
        {{50, 500, 768.0f}, true, "at the bottom edge"},
        {{50, 500, -0.5f}, true, "above the window"},
        {{50, std::nanf(""), 300}, true, "x not a number"},
        {{50, 500, std::numeric_limits<float>::infinity()}, true, "y infinite"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(respawned(test.particle, field), test.expected) << test.why;
}

TEST(Particle, TakesItsCellsVectorAsAccelerationThenMoves) {
    FlowField field;
    field[3 * FlowField::COLUMNS + 2] = {100, -50}; // cell (2, 3): x 24..35, y 36..47
    RandomGenerator random(1);
    Particle particle{10, 30, 40, 1, 0}; // age, x, y, vx, vy
    particle.step({0, 0, 100}, field, 1024, 768, random);
    EXPECT_EQ(particle.age, 9);
    EXPECT_FLOAT_EQ(particle.vx, 1.1f);
    EXPECT_FLOAT_EQ(particle.vy, -0.05f);
    EXPECT_FLOAT_EQ(particle.x, 31.1f);
    EXPECT_FLOAT_EQ(particle.y, 39.95f);
}

TEST(Particle, PositionsOutsideTheGridFeelNoAcceleration) {
    FlowField field;
    for (int i = 0; i < FlowField::CELL_COUNT; ++i)
        field[i] = {7, 7};
    RandomGenerator random(1);
    // Right and bottom bands of the window, where the flat index would leave the grid.
    for (const auto& [x, y] : {std::pair{960.0f, 10.0f}, {1023.5f, 767.5f}, {10.0f, 720.0f}}) {
        Particle particle{10, x, y};
        particle.step({0, 0, 100}, field, 1024, 768, random);
        EXPECT_EQ(particle.vx, 0) << x << "," << y;
        EXPECT_EQ(particle.vy, 0) << x << "," << y;
    }
}
