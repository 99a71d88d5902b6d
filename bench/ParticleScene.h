// The particle field of the simulation screen, rebuilt for measuring: a stirred flow field,
// 10000 particles stepped as the screen steps them, and their flare sprites.
#pragma once

#include "app/RandomGenerator.h"
#include "render/SpriteBatch.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "render/UIImage.h"
#include "screens/FlowField.h"
#include "screens/Particle.h"

#include <memory>
#include <vector>

class ParticleScene {
public:
    static constexpr int MAX_PARTICLES = 10000;

    /// Loads the flare (false if data/flare.png is missing), stirs the field into a vortex,
    /// seeds every particle as the screen does and lets them drift for a few seconds.
    bool load();
    /// One simulation step of the first `count` particles with the screen's initial launch
    /// values.
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
    FlowField field;
    std::vector<Particle> particles = std::vector<Particle>(MAX_PARTICLES);
    RandomGenerator random{5489};
};
