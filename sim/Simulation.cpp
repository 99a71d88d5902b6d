#include "sim/Simulation.h"

Simulation::Simulation(RandomGenerator& random, int windowWidth, int windowHeight,
                       uint32_t tintSeed)
    : random(random), width(windowWidth), height(windowHeight), particleArray(MAX_PARTICLES),
      tintFade(tintSeed) {}

int Simulation::liveCount() const {
    return static_cast<int>(panelSettings.particleCount * MAX_PARTICLES);
}

Launch Simulation::launch() const {
    return {static_cast<float>((panelSettings.initXSpeed - 0.5) * 10),
            static_cast<float>((panelSettings.initYSpeed - 0.5) * 10),
            static_cast<int>(panelSettings.age * 295 + 5)};
}

void Simulation::initParticles() {
    const Launch values = launch();
    const int count = liveCount();
    for (int i = 0; i < count; ++i) {
        const int age = random.nextInt31() % 100;
        particleArray[i].respawn(values, age, random);
    }
}

void Simulation::restaggerAges() {
    const int span = static_cast<int>(panelSettings.age * 285 + 15);
    for (Particle& particle : particleArray)
        particle.age = random.nextInt31() % span;
}

void Simulation::step() {
    const Launch values = launch();
    const int count = liveCount();
    const float right = static_cast<float>(width);
    const float bottom = static_cast<float>(height);
    Particle* live = particleArray.data();
    for (int i = 0; i < count; ++i)
        live[i].step(values, flowField, right, bottom, random);
    tintFade.step();
}

bool Simulation::moveCursor(int x, int y) {
    const Brush::Point from = mouseBrush.glideTo(x, y);
    const Brush::Point corner = clearingCorner(width, height);
    const bool clearing = mouseBrush.cursorX() > corner.x && mouseBrush.cursorY() > corner.y;
    if (clearing)
        clearField();
    mouseBrush.stir(flowField, from);
    if (mouseBrush.resizing)
        mouseBrush.resizeFrom(from.y);
    return clearing;
}

float Simulation::soundNote() const {
    return static_cast<float>(mouseBrush.cursorX()) / static_cast<float>(width) * 2.4f - 0.2f;
}

float Simulation::soundAmplitude() const {
    return static_cast<float>(height - mouseBrush.cursorY()) / static_cast<float>(height);
}

SavedState Simulation::save() const {
    SavedState state;
    state.brushRadius = mouseBrush.radius;
    state.gradientMode = static_cast<int8_t>(panelSettings.gradientMode);
    state.particleCount = liveCount();
    state.age = static_cast<float>(panelSettings.age);
    state.colorMul = static_cast<float>(panelSettings.colorMul);
    state.initXSpeed = static_cast<float>(panelSettings.initXSpeed);
    state.initYSpeed = static_cast<float>(panelSettings.initYSpeed);
    state.width = FlowField::COLUMNS;
    state.height = FlowField::ROWS;
    state.cells.resize(FlowField::CELL_COUNT);
    for (int i = 0; i < FlowField::CELL_COUNT; ++i)
        state.cells[i] = flowField[i];
    return state;
}

void Simulation::restore(const SavedState& state) {
    mouseBrush.radius = state.brushRadius;
    panelSettings.gradientMode = static_cast<GradientMode>(state.gradientMode);
    panelSettings.particleCount = state.particleCount / static_cast<double>(MAX_PARTICLES);
    panelSettings.age = state.age;
    panelSettings.colorMul = state.colorMul;
    panelSettings.initXSpeed = state.initXSpeed;
    panelSettings.initYSpeed = state.initYSpeed;
    // The file's rows may be narrower than the field's: the stride in memory stays 80.
    flowField.assign(state.cells, state.width, state.height);
}
