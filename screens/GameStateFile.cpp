// Saving the field and the main settings to "state.dat" and applying them again.
#include "screens/GameState.h"

#include "screens/StateFile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

void GameState::saveState() {
    std::string reason;
    if (!store().write(model->save(), reason))
        complain(std::string(StateFileStore::PATH) + " not saved: " + reason +
                 "; the previous file is kept");
}

void GameState::loadState() {
    std::vector<uint8_t> bytes;
    bool missing = false;
    std::string reason;
    const std::string notLoaded = std::string(StateFileStore::PATH) + " not loaded: ";
    if (!store().read(bytes, missing, reason)) {
        if (!missing)
            complain(notLoaded + reason);
        return;
    }
    SavedState state;
    if (!StateFile::decode(bytes.data(), bytes.size(), state, reason)) {
        complain(notLoaded + reason + "; nothing changed");
        return;
    }
    apply(state);
}

void GameState::complain(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    if (context.showNotices)
        notice.show(text);
}

void GameState::apply(const SavedState& state) {
    model->restore(state);
    showSettingsOnPanel();
    model->restaggerAges();
}
