// A particle riding the flow field: it ages, takes its cell's vector as an acceleration,
// moves, and is thrown back into the launch band when it dies or leaves the window.
#pragma once

#include "sim/FlowField.h"
#include "sim/RandomGenerator.h"

#include <cstdint>

/// What a particle is born with: its velocity and its age in steps.
struct Launch {
    float vx;
    float vy;
    int age;
};

struct Particle {
    /// Acceleration per pixel of field vector.
    static constexpr float FIELD_SCALE = 0.001f;

    int32_t age = 0;
    float x = 0.0f;
    float y = 0.0f;
    float vx = 0.0f;
    float vy = 0.0f;

    /// A new random position in x 10..1012, y 76..459 (x drawn first), with the launch
    /// velocity and the given age.
    void respawn(const Launch& launch, int launchAge, RandomGenerator& random) {
        age = launchAge;
        x = static_cast<float>(random.nextInt31() % 1003 + 10);
        y = static_cast<float>(random.nextInt31() % 384 + 76);
        vx = launch.vx;
        vy = launch.vy;
    }

    /// One step: age, respawn with the launch values when dead, outside the window (of the
    /// given size) or at a position that is not a number, then accelerate by the cell's
    /// vector and move.
    void step(const Launch& launch, const FlowField& field, float windowWidth,
              float windowHeight, RandomGenerator& random) {
        --age;
        // Written as "not inside" so that a NaN position respawns too.
        const bool inside = x >= 0.0f && y >= 0.0f && x < windowWidth && y < windowHeight;
        if (age <= 0 || !inside)
            respawn(launch, launch.age, random);
        const FieldVector push = field.accelerationAt(x, y);
        vx += push.x * FIELD_SCALE;
        vy += push.y * FIELD_SCALE;
        x += vx;
        y += vy;
    }
};
