// The simulation screen's control panel: five sliders with their labels, six buttons and
// the two labels that name the mode cycles. Built hidden; the u key shows it.
#include "screens/GameState.h"

#include "render/UIImage.h"
#include "screens/PanelLayout.h"
#include "screens/loadScreenImage.h"
#include "ui/UIButton.h"
#include "ui/UILabel.h"
#include "ui/UISlider.h"

namespace {
using Layout = PanelLayout;
constexpr unsigned CENTRED = ALIGN_CENTER_X | ALIGN_CENTER_Y;
} // namespace

bool GameState::buildControlPanel() {
    UIFont* smallFont = context.smallFont;
    sliderTrackImage = loadScreenImage(graphics, "data/slider_h.png", loadFailure);
    sliderThumbImage = loadScreenImage(graphics, "data/slider_h_thumb.png", loadFailure);
    if (!sliderTrackImage || !sliderThumbImage)
        return false;
    buttonUpImage = loadScreenImage(graphics, "data/button_up_small.png", loadFailure);
    buttonDownImage = loadScreenImage(graphics, "data/button_down_small.png", loadFailure);
    if (!buttonUpImage || !buttonDownImage)
        return false;

    auto label = [this, smallFont](Layout::Place place, const char* text) {
        ui.addComponent(
            std::make_unique<UILabel>(place.x, place.y, nullptr, smallFont, text, 0, 0, 0));
    };
    auto slider = [this, &label](int index, const char* name, double value) {
        const int x = Layout::SLIDER_X[index];
        label({x, Layout::LABEL_Y}, name);
        UISlider* widget = ui.addComponent(
            std::make_unique<UISlider>(x, Layout::SLIDER_Y, sliderTrackImage.get(),
                                       sliderThumbImage.get(), 0, value, -1, -1));
        widget->addListener(this);
        return widget;
    };
    auto button = [this, smallFont](Layout::Place place, const char* text) {
        UIButton* widget = ui.addComponent(std::make_unique<UIButton>(
            place.x, place.y, buttonUpImage.get(), buttonDownImage.get(), nullptr, smallFont,
            text, CENTRED, -1, -1, 0, 1));
        widget->addListener(this);
        return widget;
    };

    const Settings& settings = model->settings();
    ageSlider = slider(0, "Age", settings.age);
    colorMulSlider = slider(1, "Color mul", settings.colorMul);
    initXSpeedSlider = slider(2, "Init X speed", settings.initXSpeed);
    initYSpeedSlider = slider(3, "Init Y speed", settings.initYSpeed);
    particleCountSlider = slider(4, "Particle count", settings.particleCount);
    saveButton = button(Layout::SAVE, "Save state.dat");
    loadButton = button(Layout::LOAD, "Load state.dat");
    gridButton = button(Layout::GRID, "Toggle grid");
    cellsButton = button(Layout::CELLS, "Toggle cells");
    label(Layout::GRADIENT_MODES_LABEL, "norm/add/mul/BKG");
    gradientModeButton = button(Layout::GRADIENT_MODE, "Gradient mode");
    label(Layout::PARTICLE_MODES_LABEL, "norm/ADD/mul");
    particleModeButton = button(Layout::PARTICLE_MODE, "Particle mode");

    ui.hideAll();
    panelVisible = false;
    return true;
}

void GameState::readSliders() {
    Settings& settings = model->settings();
    settings.age = ageSlider->getValue();
    settings.colorMul = colorMulSlider->getValue();
    settings.initXSpeed = initXSpeedSlider->getValue();
    settings.initYSpeed = initYSpeedSlider->getValue();
    settings.particleCount = particleCountSlider->getValue();
}

void GameState::showSettingsOnPanel() {
    const Settings& settings = model->settings();
    ageSlider->setValue(settings.age);
    colorMulSlider->setValue(settings.colorMul);
    initXSpeedSlider->setValue(settings.initXSpeed);
    initYSpeedSlider->setValue(settings.initYSpeed);
    particleCountSlider->setValue(settings.particleCount);
    // A slider keeps whole thumb positions: the model takes the values it can show.
    readSliders();
}

void GameState::componentActivated(UIComponent* source) {
    Settings& settings = model->settings();
    readSliders();
    if (source == ageSlider)
        model->restaggerAges();
    if (source == particleModeButton)
        settings.cycleParticleMode();
    if (source == gradientModeButton)
        settings.cycleGradientMode();
    if (source == cellsButton)
        settings.showCells = !settings.showCells;
    if (source == gridButton)
        settings.showGrid = !settings.showGrid;
    if (source == saveButton)
        saveState();
    if (source == loadButton)
        loadState();
}
