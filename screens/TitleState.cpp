#include "screens/TitleState.h"

#include "screens/ScreenNavigator.h"
#include "render/UIGraphics.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "render/UIImage.h"
#include "screens/loadScreenImage.h"
#include "ui/UIButton.h"
#include "ui/UILabel.h"

#include <list>
#include <memory>

namespace {
constexpr int STEPS_PER_SECOND = 50;
constexpr unsigned CENTRED = ALIGN_CENTER_X | ALIGN_CENTER_Y;
} // namespace

TitleState::TitleState(const ScreenContext& context) : context(context) {
    rate = STEPS_PER_SECOND;
}

TitleState::~TitleState() { unload(); }

bool TitleState::load() {
    const int width = context.width;
    const int height = context.height;
    UIGraphics* graphics = context.graphics;
    UIFont* medium = context.mediumFont;
    UIFont* small = context.smallFont;
    ui.setGraphics(graphics);

    buttonUpImage = loadScreenImage(graphics, "data/button_up.png", loadFailure);
    buttonDownImage = loadScreenImage(graphics, "data/button_down.png", loadFailure);
    if (!buttonUpImage || !buttonDownImage)
        return false;
    const int buttonWidth = buttonUpImage->getWidth();
    const int buttonHeight = buttonUpImage->getHeight();
    const int centreX = width / 2;
    const int buttonX = centreX - buttonWidth / 2;

    playButton = ui.addComponent(std::make_unique<UIButton>(
        buttonX, height / 2, buttonUpImage.get(), buttonDownImage.get(), nullptr, medium, "Play",
        CENTRED, -1, -1, 0, 1));
    playButton->setForegroundColor(0.8f, 1.0f, 0.8f, 1.0f);
    playButton->setBackgroundColor(0.8f, 1.0f, 0.8f, 1.0f);
    playButton->addListener(this);

    exitButton = ui.addComponent(std::make_unique<UIButton>(
        buttonX, height / 2 + 2 * buttonHeight, buttonUpImage.get(), buttonDownImage.get(),
        nullptr, medium, "Exit", CENTRED, -1, -1, 0, 1));
    exitButton->setForegroundColor(1.0f, 0.8f, 0.8f, 1.0f);
    exitButton->setBackgroundColor(1.0f, 0.8f, 0.8f, 1.0f);
    exitButton->addListener(this);

    const int lineHeight = medium ? static_cast<int>(medium->getLineHeight()) : 0;
    ui.addComponent(std::make_unique<UILabel>(centreX, 100, nullptr, medium, "Halvorine",
                                              ALIGN_CENTER_X, 0, 0));
    UILabel* version = ui.addComponent(std::make_unique<UILabel>(
        centreX, lineHeight + 108, nullptr, small, "PROTOTYPE Version 1.1", ALIGN_CENTER_X, 0, 0));
    version->setForegroundColor(0.7f, 0.7f, 0.7f, 1.0f);
    ui.showAll();
    return true;
}

void TitleState::unload() {
    ui.clear();
    playButton = nullptr;
    exitButton = nullptr;
    buttonUpImage.reset();
    buttonDownImage.reset();
}

bool TitleState::update(unsigned, std::list<int>& keys) {
    keys.clear();
    return true;
}

void TitleState::draw(SDL_Surface*) {
    clearScreen(0, 0, 0);
    ui.draw();
}

void TitleState::mouseDown(const SDL_MouseButtonEvent* event) { ui.mouseDown(event->x, event->y); }

void TitleState::mouseUp(const SDL_MouseButtonEvent* event) { ui.mouseUp(event->x, event->y); }

void TitleState::mouseMove(const SDL_MouseMotionEvent* event) { ui.mouseMove(event->x, event->y); }

void TitleState::componentActivated(UIComponent* source) {
    ScreenNavigator* navigator = context.navigator;
    if (source == playButton && navigator->isRunning())
        navigator->changeState(SIMULATION_SCREEN);
    if (source == exitButton)
        navigator->quit();
}
