#include "bench/ParticleScene.h"

#include <algorithm>

namespace {
constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;
constexpr int SPRITE_SIZE = 32;
/// The screen's initial slider values: launch speeds 0.5 (still), Age 0.3, Colour 0.7.
constexpr float LAUNCH_VX = 0;
constexpr float LAUNCH_VY = 0;
constexpr int LAUNCH_AGE = static_cast<int>(0.3 * 295 + 5);
constexpr float GREY = 0.7f * 0.7f * 0.7f;
constexpr int DRIFT_STEPS = 300;

/// Length of [from, from + size) inside [0, limit).
float overlap(float from, float size, float limit) {
    return std::max(0.0f, std::min(from + size, limit) - std::max(from, 0.0f));
}
} // namespace

bool ParticleScene::load() {
    flare.reset(graphics.loadImage("data/flare.png", 0x20009));
    if (!flare)
        return false;
    stir();
    for (Particle& particle : particles)
        particle.respawn(LAUNCH_VX, LAUNCH_VY, random.nextInt31() % 100, random);
    for (int i = 0; i < DRIFT_STEPS; ++i)
        step(MAX_PARTICLES);
    return true;
}

// A vortex about the grid's centre, about as strong as a few brisk brush strokes leave it,
// with some noise so neighbouring cells differ.
void ParticleScene::stir() {
    for (int row = 0; row < FlowField::ROWS; ++row)
        for (int column = 0; column < FlowField::COLUMNS; ++column) {
            const float dx = static_cast<float>(FlowField::centreX(column) - 480);
            const float dy = static_cast<float>(FlowField::centreY(row) - 360);
            const float noise = static_cast<float>(random.nextInt31() % 21 - 10);
            field[row * FlowField::COLUMNS + column] = {-dy * 0.05f + noise, dx * 0.05f - noise};
        }
}

void ParticleScene::step(int count) {
    for (int i = 0; i < count; ++i)
        particles[i].step(LAUNCH_VX, LAUNCH_VY, LAUNCH_AGE, field, random);
}

void ParticleScene::drawParticles(int count, bool oneAtATime) {
    const float rgba[4] = {GREY, GREY, GREY, 1};
    batch.setOneAtATime(oneAtATime);
    batch.begin(*flare, BLEND_ADD, rgba);
    for (int i = 0; i < count; ++i)
        batch.add(particles[i].x, particles[i].y);
    batch.flush();
}

long ParticleScene::coveredPixels(int count) const {
    const float half = SPRITE_SIZE / 2.0f;
    double pixels = 0;
    for (int i = 0; i < count; ++i)
        pixels += overlap(particles[i].x - half, SPRITE_SIZE, WIDTH) *
                  overlap(particles[i].y - half, SPRITE_SIZE, HEIGHT);
    return static_cast<long>(pixels);
}

void ParticleScene::drawFill(long pixels) {
    const long window = static_cast<long>(WIDTH) * HEIGHT;
    for (; pixels > 0; pixels -= window) {
        const long rows = std::min(pixels, window) / WIDTH;
        flare->setSizeInt(WIDTH, static_cast<unsigned>(std::max(rows, 1L)));
        flare->drawRGBA(BLEND_ADD, 0, 0, 0, GREY, GREY, GREY, 1);
    }
}
