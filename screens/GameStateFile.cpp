// Saving the field and the main settings to "state.dat" and applying them again.
#include "screens/GameState.h"

#include "ui/UISlider.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {
void complain(const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n", GameState::STATE_PATH, reason.c_str());
}
} // namespace

SavedState GameState::currentSettings() const {
    SavedState state;
    state.brushRadius = brushRadius;
    state.gradientMode = gradientMode;
    state.particleCount = liveCount();
    state.age = static_cast<float>(ageSlider->getValue());
    state.colorMul = static_cast<float>(colorMulSlider->getValue());
    state.initXSpeed = static_cast<float>(initXSpeedSlider->getValue());
    state.initYSpeed = static_cast<float>(initYSpeedSlider->getValue());
    state.width = FlowField::COLUMNS;
    state.height = FlowField::ROWS;
    state.cells.resize(FlowField::CELL_COUNT);
    for (int i = 0; i < FlowField::CELL_COUNT; ++i)
        state.cells[i] = (*field)[i];
    return state;
}

void GameState::saveState() {
    std::string reason;
    if (!StateFile::write(STATE_PATH, currentSettings(), reason))
        complain("not saved, " + reason + "; the previous file is kept");
}

void GameState::loadState() {
    std::vector<uint8_t> bytes;
    bool missing = false;
    std::string reason;
    if (!StateFile::read(STATE_PATH, bytes, missing, reason)) {
        if (!missing)
            complain("not loaded, " + reason);
        return;
    }
    SavedState state;
    if (!StateFile::decode(bytes.data(), bytes.size(), state, reason)) {
        complain("not loaded, " + reason + "; nothing changed");
        return;
    }
    apply(state);
}

void GameState::apply(const SavedState& state) {
    brushRadius = state.brushRadius;
    gradientMode = state.gradientMode;
    particleCountSlider->setValue(state.particleCount / 10000.0);
    ageSlider->setValue(state.age);
    componentActivated(ageSlider); // re-staggers the particle ages
    colorMulSlider->setValue(state.colorMul);
    initXSpeedSlider->setValue(state.initXSpeed);
    initYSpeedSlider->setValue(state.initYSpeed);
    // The file's rows may be narrower than the field's: the stride in memory stays 80.
    field->assign(state.cells, state.width, state.height);
}
