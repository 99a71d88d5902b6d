// The simulation screen's particles, for measuring: the simulation model with a field stirred
// by brush strokes, all 10000 particles stepped by it, and their flare sprites.
#pragma once

#include "platform/WindowSize.h"
#include "render/SpriteBatch.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "render/UIImage.h"
#include "sim/RandomGenerator.h"
#include "sim/Simulation.h"

#include <memory>

class ParticleScene {
public:
    static constexpr int MAX_PARTICLES = Simulation::MAX_PARTICLES;

    /// Loads the flare (false if data/flare.png is missing), stirs the field with circling
    /// brush strokes, seeds every particle and lets them drift for a few seconds.
    bool load();
    /// One simulation step with `count` live particles and the initial launch values.
    void step(int count);
    /// The particle pass of a frame: `count` flares in add mode with the initial grey, one
    /// image draw per sprite or batched.
    void drawParticles(int count, bool oneAtATime);
    /// The window pixels the first `count` sprites cover, cut to the window.
    long coveredPixels(int count) const;
    /// As many pixels as `pixels`, drawn as full-window quads (and one part of a quad) of the
    /// flare texture with the same colour and blending as the particle pass.
    void drawFill(long pixels);
    /// Brackets drawing as the screen does.
    void begin2D() { graphics.begin2D(); }
    void end2D() { graphics.end2D(); }

private:
    void stir();

    UIGraphicsOpenGLSDL graphics;
    std::unique_ptr<UIImage> flare;
    SpriteBatch batch{MAX_PARTICLES};
    RandomGenerator random{5489};
    Simulation simulation{random, WINDOW_WIDTH, WINDOW_HEIGHT, 1};
};
