// Saving the field and the main settings to "state.dat" and applying them again.
#include "screens/GameState.h"

#include "screens/StateFile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {
void complain(const std::string& reason) {
    std::fprintf(stderr, "%s: %s\n", GameState::STATE_PATH, reason.c_str());
}
} // namespace

void GameState::saveState() {
    std::string reason;
    if (!StateFile::write(STATE_PATH, model->save(), reason))
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
    model->restore(state);
    showSettingsOnPanel();
    model->restaggerAges();
}
