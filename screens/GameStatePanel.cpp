// The simulation screen's control panel: five sliders with their labels, six buttons and
// the two labels that name the mode cycles. Built hidden; the u key shows it.
#include "screens/GameState.h"

#include "render/UIImage.h"
#include "screens/loadScreenImage.h"
#include "ui/UIButton.h"
#include "ui/UILabel.h"
#include "ui/UISlider.h"

namespace {
constexpr int SLIDER_Y = 25;
constexpr int LABEL_Y = 10;
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

    auto label = [this, smallFont](int x, int y, const char* text) {
        ui.addComponent(new UILabel(x, y, nullptr, smallFont, text, 0, 0, 0));
    };
    auto slider = [this](int x, double value) {
        UISlider* widget = new UISlider(x, SLIDER_Y, sliderTrackImage.get(),
                                        sliderThumbImage.get(), 0, value, -1, -1);
        widget->addListener(this);
        ui.addComponent(widget);
        return widget;
    };
    auto button = [this, smallFont](int x, int y, const char* text) {
        UIButton* widget = new UIButton(x, y, buttonUpImage.get(), buttonDownImage.get(), nullptr,
                                        smallFont, text, CENTRED, -1, -1, 0, 1);
        widget->addListener(this);
        ui.addComponent(widget);
        return widget;
    };

    const Settings& settings = model->settings();
    label(20, LABEL_Y, "Age");
    ageSlider = slider(20, settings.age);
    label(160, LABEL_Y, "Color mul");
    colorMulSlider = slider(160, settings.colorMul);
    label(300, LABEL_Y, "Init X speed");
    initXSpeedSlider = slider(300, settings.initXSpeed);
    label(440, LABEL_Y, "Init Y speed");
    initYSpeedSlider = slider(440, settings.initYSpeed);
    label(580, LABEL_Y, "Particle count");
    particleCountSlider = slider(580, settings.particleCount);
    saveButton = button(20, 728, "Save state.dat");
    loadButton = button(140, 728, "Load state.dat");
    gridButton = button(904, 728, "Toggle grid");
    cellsButton = button(784, 728, "Toggle cells");
    label(894, 668, "norm/add/mul/BKG");
    gradientModeButton = button(904, 688, "Gradient mode");
    label(784, 668, "norm/ADD/mul");
    particleModeButton = button(784, 688, "Particle mode");

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
