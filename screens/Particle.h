// A particle riding the flow field: it ages, takes its cell's vector as an acceleration,
// moves, and is thrown back into the launch band when it dies or leaves the window.
#pragma once

#include "app/RandomGenerator.h"
#include "screens/FlowField.h"

#include <cstdint>

struct Particle {
    static constexpr float WINDOW_WIDTH = 1024.0f;
    static constexpr float WINDOW_HEIGHT = 768.0f;
    /// Acceleration per pixel of field vector.
    static constexpr float FIELD_SCALE = 0.001f;

    int32_t age = 0;
    float x = 0.0f;
    float y = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;

    /// A new random position in x 10..1012, y 76..459 (x drawn first), with the given
    /// velocity and age.
    void respawn(float launchVx, float launchVy, int launchAge, RandomGenerator& random) {
        age = launchAge;
        x = static_cast<float>(random.nextInt31() % 1003 + 10);
        y = static_cast<float>(random.nextInt31() % 384 + 76);
        vx = launchVx;
        vy = launchVy;
    }

    /// One step: age, respawn with the launch values when dead, outside the window or at a
    /// position that is not a number, then accelerate by the cell's vector and move.
    void step(float launchVx, float launchVy, int launchAge, const FlowField& field,
              RandomGenerator& random) {
        --age;
        // Written as "not inside" so that a NaN position respawns too.
        const bool inside = x >= 0.0f && y >= 0.0f && x < WINDOW_WIDTH && y < WINDOW_HEIGHT;
        if (age <= 0 || !inside)
            respawn(launchVx, launchVy, launchAge, random);
        const FieldVector push = field.accelerationAt(x, y);
        vx += push.x * FIELD_SCALE;
        vy += push.y * FIELD_SCALE;
        x += vx;
        y += vy;
    }
};
