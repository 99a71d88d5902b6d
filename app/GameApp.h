// The concrete application: owns the graphics context, the named fonts, the screens and the
// random generator for the life of the program, hands each screen what it uses, and switches
// screens or ends the run when a screen asks.
#pragma once

#include "app/App.h"
#include "screens/ScreenContext.h"
#include "screens/ScreenNavigator.h"
#include "sim/RandomGenerator.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

class GameState;
class SoundControls;
class State;
class StateStore;
class UIFont;
class UIGraphics;
class UIGraphicsOpenGLSDL;

class GameApp : public App, public ScreenNavigator {
public:
    GameApp();
    ~GameApp() override;

    /// Starts the frame, reseeds the generator, creates the graphics context, finds the data
    /// folder, loads the fonts and the screens, and makes the simulation screen current; false
    /// (with getInitError set) if a step fails.
    bool init() override;
    /// "Vireholm - Quillomer - 1.1".
    const char* getCaption() override;
    /// Shows the drawn picture (scaled into a window larger than it) and reports a GL error.
    void finishFrame() override;
    /// The screen registered under `stateId`; null for an unknown id.
    State* getState(int stateId) override;
    /// Deletes the screens, then the fonts.
    virtual void releaseResources();

    /// Leaves the current screen and enters the one registered under `stateId` (if any).
    void changeState(int stateId) override { App::changeState(stateId); }
    bool isRunning() const override { return App::isRunning(); }
    /// Ends the run after the current pass.
    void quit() override { setRunning(false); }

    /// Loads a screen and keeps it under `stateId`; false if it failed to load, and then it is
    /// deleted and what failed is kept for getInitError.
    bool registerState(int stateId, std::unique_ptr<State> state);
    /// The font registered under `name`; null for an unknown name.
    UIFont* getFont(const char* name);
    UIGraphics* getGraphics() const;
    RandomGenerator* getRandom() { return &random; }
    /// Leaves the current screen (closing its audio), then unloads and deletes every screen
    /// in ascending id order.
    void releaseStates();
    /// Deletes every font in name order.
    void releaseFonts();

    /// Starts both random generators from `seed` instead of the tick count.
    void setSeed(uint32_t seed) { setSeeds(seed, seed); }
    /// Starts the particles' generator from `particles` and the tint's from `tint`.
    void setSeeds(uint32_t particles, uint32_t tint) {
        particleSeed = particles;
        tintSeed = tint;
    }
    /// Where the simulation screen keeps "state.dat" (by default the working folder). Set
    /// before init.
    void setStateStore(StateStore& store) { stateStore = &store; }
    /// Told when the player clears the field. Set before init.
    void setFieldClearedObserver(Observer observer) { fieldCleared = std::move(observer); }
    /// The simulation screen; null before init.
    GameState* simulationScreen() { return simulation; }

    /// Whether the simulation screen plays through the audio device (by default it does); an
    /// offline export plays the synthesiser itself. Set before init.
    void setSoundDevice(bool use) { soundDevice = use; }
    /// Whether a failed save or load shows in the picture as well as on stderr (by default it
    /// does; a screensaver only logs). Set before init.
    void setNoticesShown(bool shown) { noticesShown = shown; }
    /// What the synthesiser plays while the simulation screen is current and its sound is on;
    /// null otherwise.
    SoundControls* playingSound();

    /// What made init fail, naming the file and the working directory (or every folder looked
    /// in for the data); empty otherwise.
    const std::string& getInitError() const { return initError; }

private:
    ScreenContext screenContext();
    bool fail(const std::string& what);
    bool findData();
    bool loadFont(const char* name, const char* path, int letterSpacing);
    /// A fixed seed, else the tick count now.
    uint32_t startSeed(const std::optional<uint32_t>& fixed) { return fixed ? *fixed : ticks(); }

    std::map<int, std::unique_ptr<State>> states;
    GameState* simulation = nullptr;
    std::unique_ptr<UIGraphicsOpenGLSDL> graphics;
    std::map<std::string, std::unique_ptr<UIFont>> fonts;
    RandomGenerator random{5489};
    std::string initError;
    std::optional<uint32_t> particleSeed;
    std::optional<uint32_t> tintSeed;
    StateStore* stateStore = nullptr;
    Observer fieldCleared;
    bool soundDevice = true;
    bool noticesShown = true;
};
