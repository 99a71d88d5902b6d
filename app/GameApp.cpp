#include "app/GameApp.h"

#include "app/DataFolder.h"
#include "render/UIFontOpenGLSDL.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "screens/GameState.h"
#include "platform/WindowSize.h"
#include "platform/reportError.h"
#include "screens/State.h"
#include "screens/TitleState.h"

#include <filesystem>
#include <system_error>

namespace {
std::string workingDirectory() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? "(unknown)" : folder.u8string();
}
} // namespace

GameApp::GameApp() = default;

GameApp::~GameApp() {
    releaseResources();
    graphics.reset();
}

bool GameApp::init() {
    if (!App::init())
        return fail("the application frame");
    random.seed(startSeed(particleSeed));
    graphics = std::make_unique<UIGraphicsOpenGLSDL>();
    graphics->setPictureSize(WINDOW_WIDTH, WINDOW_HEIGHT);
    if (!findData())
        return false;
    if (!loadFont("medium", "data/font_medium.png", 1) ||
        !loadFont("small", "data/font_small.png", -1))
        return false;
    const ScreenContext context = screenContext();
    if (!registerState(TITLE_SCREEN, std::make_unique<TitleState>(context)))
        return false;
    auto simulationScreen = std::make_unique<GameState>(context);
    GameState* screen = simulationScreen.get();
    if (!registerState(SIMULATION_SCREEN, std::move(simulationScreen)))
        return false;
    simulation = screen;
    changeState(SIMULATION_SCREEN);
    return true;
}

ScreenContext GameApp::screenContext() {
    ScreenContext context;
    context.graphics = graphics.get();
    context.mediumFont = getFont("medium");
    context.smallFont = getFont("small");
    context.random = &random;
    // The picture's size, whatever the window's: a larger or smaller window only scales it.
    context.width = WINDOW_WIDTH;
    context.height = WINDOW_HEIGHT;
    context.tintSeed = startSeed(tintSeed);
    context.store = stateStore;
    context.fieldCleared = fieldCleared;
    context.soundDevice = soundDevice;
    context.showNotices = noticesShown;
    context.navigator = this;
    return context;
}

SoundControls* GameApp::playingSound() {
    const bool current = simulation && getCurrentState() == simulation;
    return current && simulation->soundPlaying() ? &simulation->soundControls() : nullptr;
}

bool GameApp::findData() {
    const DataFolder data = DataFolder::locate();
    if (!data.found()) {
        initError = "Couldn't find the data folder: looked in " + data.describeTried();
        return false;
    }
    graphics->setDataFolder(data.getPath());
    return true;
}

bool GameApp::loadFont(const char* name, const char* path, int letterSpacing) {
    auto font = std::make_unique<UIFontOpenGLSDL>(graphics.get(), path, nullptr, 16);
    if (!font->load())
        return fail(path);
    font->setLetterSpacing(letterSpacing);
    fonts[name] = std::move(font);
    return true;
}

bool GameApp::fail(const std::string& what) {
    const std::string file = graphics ? graphics->filePath(what.c_str()) : what;
    initError = "Couldn't load " + file + " (working directory " + workingDirectory() + ")";
    return false;
}

void GameApp::finishFrame() {
    if (graphics && !graphics->finishFrame())
        reportError("GL Error", "GL Error");
}

UIGraphics* GameApp::getGraphics() const {
    return graphics.get();
}

const char* GameApp::getCaption() {
    return "Vireholm - Quillomer - 1.1";
}

State* GameApp::getState(int stateId) {
    const auto found = states.find(stateId);
    return found == states.end() ? nullptr : found->second.get();
}

bool GameApp::registerState(int stateId, std::unique_ptr<State> state) {
    if (!state->load()) {
        const std::string failure = state->getLoadFailure();
        return fail(failure.empty() ? std::string("a screen") : failure);
    }
    states[stateId] = std::move(state);
    return true;
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
    leaveCurrentState();
    simulation = nullptr;
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
