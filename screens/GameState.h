// The simulation screen: joins the simulation model, its control panel, the drawing of the
// scene and the synthesiser's controls, and saves and loads "state.dat".
#pragma once

#include "screens/State.h"
#include "render/SpriteBatch.h"
#include "screens/Notice.h"
#include "screens/ScreenContext.h"
#include "screens/StateFileStore.h"
#include "sim/RunSettings.h"
#include "sim/Simulation.h"
#include "sound/SoundControls.h"
#include "ui/UI.h"
#include "ui/UIEventListener.h"

#include <list>
#include <memory>

class UIButton;
class UIFont;
class UIGraphics;
class UIImage;
class UISlider;

class GameState : public State, public UIEventListener {
public:
    /// Keeps what it is handed; loads nothing yet.
    explicit GameState(const ScreenContext& context);
    /// Closes the audio device first if this screen opened it.
    ~GameState() override;

    /// Makes the simulation, builds the hidden panel, loads the sprites and seeds the first
    /// particles; false (with getLoadFailure set) if an image or the memory is missing.
    bool load() override;
    /// Empties the key list and runs one step of the simulation, once entered.
    bool update(unsigned time, std::list<int>& keys) override;
    /// Draws the scene and the panel.
    void draw(SDL_Surface* screen) override;
    /// Starts stepping, applies "state.dat" if there is one, and opens audio (unless the
    /// context says the synthesiser is played offline).
    void enter(unsigned clock) override;
    /// Closes audio.
    void leave() override;
    /// g grid, v cell vectors, r clear field, s pause/resume sound, u panel.
    void keyDown(const int* key) override;
    /// The panel first; otherwise the right button starts or ends a brush resize.
    void mouseDown(const SDL_MouseButtonEvent* event) override;
    void mouseUp(const SDL_MouseButtonEvent* event) override;
    /// The panel first; otherwise the brush stirs and the synthesiser's gate opens.
    void mouseMove(const SDL_MouseMotionEvent* event) override;

    /// A slider's new value goes into the model (Age also re-staggers the ages); the buttons
    /// save, load, toggle and cycle modes.
    void componentActivated(UIComponent* source) override;

    /// Writes the field and settings to "state.dat" (in the context's store); a failure keeps
    /// the old file and is told on stderr and in a notice.
    void saveState();
    /// Applies "state.dat" if it exists and is whole; otherwise changes nothing, and a file
    /// that is there but refused is told on stderr and in a notice.
    void loadState();
    /// Where the run stands apart from its particles; the field only if `withField`.
    RunSettings runSettings(bool withField) const;
    /// Picks up a run from `settings`: the panel, brush, panel and sound switches, and the
    /// field if it holds one.
    void adopt(const RunSettings& settings);
    /// The notice shown over the picture now; empty when there is none.
    const std::string& noticeText() const { return notice.text(); }

    /// The model, for drawing, tests and tools.
    const Simulation& simulation() const { return *model; }
    /// What the synthesiser plays.
    SoundControls& soundControls() { return sound; }
    /// Whether the synthesiser is to be heard: the screen runs and sound is not paused (s).
    bool soundPlaying() const { return running && soundOn; }

private:
    void publishVoice();
    bool buildControlPanel();
    void readSliders();
    void showSettingsOnPanel();
    void apply(const SavedState& state);
    void complain(const std::string& text);
    StateStore& store() { return context.store ? *context.store : workingFolder; }
    void setSoundOn(bool on);
    void setPanelVisible(bool visible);

    void drawGradient(int blendMode);
    void drawParticles();

    ScreenContext context;
    UIGraphics* graphics;
    UI ui;
    std::unique_ptr<Simulation> model;
    SoundControls sound;
    Notice notice;
    StateFileStore workingFolder;
    bool audioOpen = false;
    bool soundOn = true;
    bool panelVisible = false;
    bool initialized = false;
    bool running = false;
    /// The brush circle is drawn in the frame after a motion that reached the brush.
    bool brushVisible = false;

    UISlider* ageSlider = nullptr;
    UISlider* colorMulSlider = nullptr;
    UISlider* initXSpeedSlider = nullptr;
    UISlider* initYSpeedSlider = nullptr;
    UISlider* particleCountSlider = nullptr;
    UIButton* saveButton = nullptr;
    UIButton* loadButton = nullptr;
    UIButton* gridButton = nullptr;
    UIButton* cellsButton = nullptr;
    UIButton* gradientModeButton = nullptr;
    UIButton* particleModeButton = nullptr;

    std::unique_ptr<UIImage> sliderTrackImage;
    std::unique_ptr<UIImage> sliderThumbImage;
    std::unique_ptr<UIImage> buttonUpImage;
    std::unique_ptr<UIImage> buttonDownImage;
    std::unique_ptr<UIImage> flareImage;
    std::unique_ptr<UIImage> gradientImage;
    SpriteBatch particleBatch{Simulation::MAX_PARTICLES};
};
