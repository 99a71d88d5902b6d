#include "screens/GameState.h"

#include "platform/reportError.h"
#include "render/UIGraphics.h"
#include "render/UIImage.h"
#include "screens/loadScreenImage.h"
#include "sound/AudioOutput.h"

#include <list>
#include <new>
#include <string>

GameState::GameState(const ScreenContext& context)
    : context(context), graphics(context.graphics) {
    rate = Simulation::STEPS_PER_SECOND;
    ui.setGraphics(graphics);
}

GameState::~GameState() {
    if (audioOpen)
        closeAudio();
}

bool GameState::load() {
    ui.setGraphics(graphics);
    if (!model) {
        try {
            model = std::make_unique<Simulation>(*context.random, context.width, context.height,
                                                 context.tintSeed);
        } catch (const std::bad_alloc&) {
            loadFailure = "memory for the field and particles";
            return false;
        }
    }
    if (!buildControlPanel())
        return false;
    readSliders(); // the values the sliders can show
    flareImage = loadScreenImage(graphics, "data/flare.png", loadFailure);
    gradientImage = loadScreenImage(graphics, "data/gradient.png", loadFailure);
    if (!flareImage || !gradientImage)
        return false;
    model->initParticles();
    initialized = true;
    return true;
}

void GameState::enter(unsigned) {
    // A screen whose load failed has nothing to run: it stays still and silent.
    if (!initialized && !load())
        return;
    running = true;
    loadState();
    publishVoice();
    if (!context.soundDevice)
        return;
    std::string reason;
    audioOpen = openAudio(&sound, reason);
    if (!audioOpen)
        reportError("Audio error", "Couldn't open audio: %s\n", reason.c_str());
}

void GameState::leave() {
    if (audioOpen)
        closeAudio();
    audioOpen = false;
}

bool GameState::update(unsigned, std::list<int>& keys) {
    keys.clear();
    notice.step();
    if (running)
        model->step();
    return true;
}

void GameState::keyDown(const int* key) {
    Settings& settings = model->settings();
    switch (*key) {
    case SDLK_g:
        settings.showGrid = !settings.showGrid;
        break;
    case SDLK_v:
        settings.showCells = !settings.showCells;
        break;
    case SDLK_r:
        model->clearField();
        if (context.fieldCleared)
            context.fieldCleared();
        break;
    case SDLK_s:
        setSoundOn(!soundOn);
        break;
    case SDLK_u:
        setPanelVisible(!panelVisible);
        break;
    default:
        break;
    }
}

void GameState::mouseDown(const SDL_MouseButtonEvent* event) {
    if (ui.mouseDown(event->x, event->y))
        return;
    if (event->button == SDL_BUTTON_RIGHT)
        model->brush().resizing = true;
}

void GameState::mouseUp(const SDL_MouseButtonEvent* event) {
    if (ui.mouseUp(event->x, event->y))
        return;
    if (event->button == SDL_BUTTON_RIGHT)
        model->brush().resizing = false;
}

void GameState::mouseMove(const SDL_MouseMotionEvent* event) {
    if (ui.mouseMove(event->x, event->y))
        return;
    sound.openGate();
    const bool cleared = model->moveCursor(event->x, event->y);
    publishVoice();
    brushVisible = true;
    if (cleared && context.fieldCleared)
        context.fieldCleared();
}

void GameState::setSoundOn(bool on) {
    soundOn = on;
    SDL_PauseAudio(soundOn ? 0 : 1);
}

void GameState::setPanelVisible(bool visible) {
    panelVisible = visible;
    if (panelVisible)
        ui.showAll();
    else
        ui.hideAll();
}

RunSettings GameState::runSettings(bool withField) const {
    RunSettings settings;
    settings.panel = model->settings();
    settings.brushRadius = model->brush().radius;
    settings.cursor = model->brush().cursor();
    settings.resizing = model->brush().resizing;
    settings.panelShown = panelVisible;
    settings.soundOn = soundOn;
    if (withField)
        settings.field = model->save().cells;
    return settings;
}

void GameState::adopt(const RunSettings& settings) {
    model->settings() = settings.panel;
    showSettingsOnPanel();
    Brush& brush = model->brush();
    brush.radius = settings.brushRadius;
    brush.place(settings.cursor);
    brush.resizing = settings.resizing;
    if (settings.panelShown != panelVisible)
        setPanelVisible(settings.panelShown);
    if (settings.soundOn != soundOn)
        setSoundOn(settings.soundOn);
    if (settings.field.size() == FlowField::CELL_COUNT)
        model->restoreField(settings.field);
}

void GameState::publishVoice() { sound.setVoice(model->soundNote(), model->soundAmplitude()); }
