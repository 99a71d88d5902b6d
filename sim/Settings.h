// What the control panel sets: the five slider values (each 0..1), the two blend modes, and
// whether grid lines and cell vectors are drawn. The model owns them; the panel writes them.
#pragma once

#include <cstdint>

/// How the gradient image is laid over the scene; stored in the state file as one byte.
enum class GradientMode : int8_t { Normal = 0, Add = 1, Multiply = 2, Background = 3 };
/// How the particle sprites are blended into the scene.
enum class ParticleMode : int8_t { Normal = 0, Add = 1, Multiply = 2 };

struct Settings {
    double age = 0.3;
    double colorMul = 0.7;
    double initXSpeed = 0.5;
    double initYSpeed = 0.5;
    /// The live share of the particles.
    double particleCount = 0.25;
    GradientMode gradientMode = GradientMode::Background;
    ParticleMode particleMode = ParticleMode::Add;
    bool showGrid = false;
    bool showCells = false;

    /// The next gradient mode: normal, add, multiply, background, normal...
    void cycleGradientMode() {
        gradientMode = static_cast<GradientMode>((static_cast<int>(gradientMode) + 1) % 4);
    }
    /// The next particle mode: normal, add, multiply, normal...
    void cycleParticleMode() {
        particleMode = static_cast<ParticleMode>((static_cast<int>(particleMode) + 1) % 3);
    }
};
