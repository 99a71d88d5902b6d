#include "bench/ParticleScene.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int SPRITE_SIZE = 32;
/// The initial Colour value 0.7, cubed as the screen draws it.
constexpr float GREY = 0.7f * 0.7f * 0.7f;
constexpr int DRIFT_STEPS = 300;
constexpr int STROKE_POINTS = 2000;

/// Length of [from, from + size) inside [0, limit).
float overlap(float from, float size, float limit) {
    return std::max(0.0f, std::min(from + size, limit) - std::max(from, 0.0f));
}
} // namespace

bool ParticleScene::load() {
    flare.reset(graphics.loadImage("data/flare.png", IMAGE_FILE_FLAGS));
    if (!flare)
        return false;
    stir();
    simulation.settings().particleCount = 1.0;
    simulation.initParticles();
    for (int i = 0; i < DRIFT_STEPS; ++i)
        step(MAX_PARTICLES);
    return true;
}

// Brisk circling strokes about the grid's centre, widening as they go, leave a vortex.
void ParticleScene::stir() {
    for (int point = 0; point < STROKE_POINTS; ++point) {
        const double angle = point * 0.05;
        const double radius = 60 + 300.0 * point / STROKE_POINTS;
        simulation.moveCursor(480 + static_cast<int>(radius * std::cos(angle)),
                              360 + static_cast<int>(radius * 0.75 * std::sin(angle)));
    }
}

void ParticleScene::step(int count) {
    simulation.settings().particleCount = static_cast<double>(count) / MAX_PARTICLES;
    simulation.step();
}

void ParticleScene::drawParticles(int count, bool oneAtATime) {
    const float rgba[4] = {GREY, GREY, GREY, 1};
    batch.setOneAtATime(oneAtATime);
    batch.begin(*flare, BLEND_ADD, rgba);
    const std::vector<Particle>& particles = simulation.particles();
    for (int i = 0; i < count; ++i)
        batch.add(particles[i].x, particles[i].y);
    batch.flush();
}

long ParticleScene::coveredPixels(int count) const {
    const float half = SPRITE_SIZE / 2.0f;
    const std::vector<Particle>& particles = simulation.particles();
    double pixels = 0;
    for (int i = 0; i < count; ++i)
        pixels += overlap(particles[i].x - half, SPRITE_SIZE, WINDOW_WIDTH) *
                  overlap(particles[i].y - half, SPRITE_SIZE, WINDOW_HEIGHT);
    return static_cast<long>(pixels);
}

void ParticleScene::drawFill(long pixels) {
    const long window = static_cast<long>(WINDOW_WIDTH) * WINDOW_HEIGHT;
    for (; pixels > 0; pixels -= window) {
        const long rows = std::min(pixels, window) / WINDOW_WIDTH;
        flare->setSizeInt(WINDOW_WIDTH, static_cast<unsigned>(std::max(rows, 1L)));
        flare->drawRGBA(BLEND_ADD, 0, 0, 0, GREY, GREY, GREY, 1);
    }
}
