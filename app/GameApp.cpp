#include "app/GameApp.h"

#include "app/State.h"
#include "render/UIFont.h"
#include "render/UIGraphics.h"

#include <unistd.h>

#include <climits>

namespace {
std::string workingDirectory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? buffer : "(unknown)";
}
} // namespace

GameApp* getApp() { return dynamic_cast<GameApp*>(App::instance()); }

GameApp::GameApp() = default;

GameApp::~GameApp() {
    releaseResources();
    graphics.reset();
}

bool GameApp::init() {
    if (!App::init())
        return fail("the application frame");
    random.seed(ticks());
    return true;
}

bool GameApp::fail(const std::string& what) {
    initError = "Couldn't load " + what + " (working directory " + workingDirectory() + ")";
    return false;
}

const char* GameApp::getCaption() { return "Vireholm - Quillomer - 1.1"; }

State* GameApp::getState(int stateId) {
    const auto found = states.find(stateId);
    return found == states.end() ? nullptr : found->second.get();
}

void GameApp::registerState(int stateId, State* state) {
    std::unique_ptr<State> owned(state);
    if (!statesOk)
        return;
    if (!owned->load()) {
        statesOk = false;
        return;
    }
    states[stateId] = std::move(owned);
}

UIFont* GameApp::getFont(const char* name) {
    const auto found = fonts.find(name);
    return found == fonts.end() ? nullptr : found->second.get();
}

void GameApp::releaseResources() {
    releaseStates();
    releaseFonts();
}

void GameApp::releaseStates() {
    for (auto& entry : states) {
        entry.second->unload();
        entry.second.reset();
    }
    states.clear();
}

void GameApp::releaseFonts() {
    for (auto& entry : fonts)
        entry.second.reset();
    fonts.clear();
}
