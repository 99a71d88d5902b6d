// The simulation as plain C++: the flow field, the particles that ride it, the brush that
// stirs it, the gradient's tint fade and the settings the panel shows. It knows nothing of
// windows, widgets or sound; its random generators' sources and the window size come from
// outside.
#pragma once

#include "sim/Brush.h"
#include "sim/FlowField.h"
#include "sim/Particle.h"
#include "sim/RandomGenerator.h"
#include "sim/SavedState.h"
#include "sim/Settings.h"
#include "sim/TintFade.h"

#include <cstdint>
#include <vector>

class Simulation {
public:
    static constexpr int MAX_PARTICLES = 10000;
    /// Fixed steps a second.
    static constexpr int STEPS_PER_SECOND = 60;

    /// A still field, 10000 zeroed particles and the default settings for a window of the
    /// given size; `random`, which must outlive the simulation, gives every particle draw, and
    /// the tint draws from the sequence of `tintSeed`. Throws std::bad_alloc if the arrays
    /// cannot be had.
    Simulation(RandomGenerator& random, int windowWidth, int windowHeight, uint32_t tintSeed);

    /// Seeds the live particles with staggered ages (0..99) and the launch values.
    void initParticles();
    /// Gives every particle, live or not, a new age within the span the Age value sets.
    void restaggerAges();
    /// One fixed step: the live particles, then the tint fade.
    void step();
    /// The pointer moved to (x, y): the brush glides, the bottom-right corner clears the field,
    /// the brush stirs, and resizes while `brush().resizing` is set. True when it cleared.
    bool moveCursor(int x, int y);
    /// The corner that clears the field: a cursor right of x and below y of the returned point.
    static Brush::Point clearingCorner(int windowWidth, int windowHeight) {
        return {windowWidth * 9 / 10, windowHeight * 9 / 10};
    }
    /// Sets all 4800 vectors to (0, 0).
    void clearField() { flowField.clear(); }
    /// Takes all 4800 vectors, row by row.
    void restoreField(const std::vector<FieldVector>& cells) {
        flowField.assign(cells, FlowField::COLUMNS, FlowField::ROWS);
    }

    /// How many particles are alive: the Particle count share of 10000.
    int liveCount() const;
    /// Octaves from the cursor's x: -0.2 at the left edge to 2.2 at the right.
    float soundNote() const;
    /// Loudness from the cursor's y: 1 at the top edge, 0 at the bottom.
    float soundAmplitude() const;

    /// The field and the main settings as a state file holds them.
    SavedState save() const;
    /// Takes the field, brush radius, gradient mode and slider values of a saved state; the
    /// ages are left for the caller to re-stagger once the Age value is final.
    void restore(const SavedState& state);

    const FlowField& field() const { return flowField; }
    const std::vector<Particle>& particles() const { return particleArray; }
    Brush& brush() { return mouseBrush; }
    const Brush& brush() const { return mouseBrush; }
    const TintFade& tint() const { return tintFade; }
    Settings& settings() { return panelSettings; }
    const Settings& settings() const { return panelSettings; }

private:
    Launch launch() const;

    RandomGenerator& random;
    int width;
    int height;
    FlowField flowField;
    std::vector<Particle> particleArray;
    Brush mouseBrush;
    TintFade tintFade;
    Settings panelSettings;
};
