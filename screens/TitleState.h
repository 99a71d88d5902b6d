// The title screen: the title, a version line, and the Play and Exit buttons.
#pragma once

#include "screens/ScreenContext.h"
#include "screens/State.h"
#include "ui/UIEventListener.h"
#include "ui/UI.h"

#include <list>
#include <memory>
#include <string>

class UIButton;
class UIImage;

class TitleState : public State, public UIEventListener {
public:
    /// Keeps what it is handed; loads nothing yet.
    explicit TitleState(const ScreenContext& context);
    ~TitleState() override;

    /// Loads the button images and builds the four widgets, all shown; false (with
    /// getLoadFailure set) if a button image is missing.
    bool load() override;
    /// Deletes the widgets and the images; safe to call twice.
    void unload() override;
    /// Discards the keys; nothing moves on this screen.
    bool update(unsigned time, std::list<int>& keys) override;
    /// Clears to black and draws the widgets.
    void draw(SDL_Surface* screen) override;
    void mouseDown(const SDL_MouseButtonEvent* event) override;
    void mouseUp(const SDL_MouseButtonEvent* event) override;
    void mouseMove(const SDL_MouseMotionEvent* event) override;

    /// Play switches to the simulation screen while the application runs; Exit ends it.
    void componentActivated(UIComponent* source) override;

    UIButton* getPlayButton() const { return playButton; }
    UIButton* getExitButton() const { return exitButton; }

private:
    ScreenContext context;
    UI ui;
    UIButton* playButton = nullptr;
    UIButton* exitButton = nullptr;
    std::unique_ptr<UIImage> buttonUpImage;
    std::unique_ptr<UIImage> buttonDownImage;
};
