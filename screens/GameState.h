// The simulation screen: the flow field and its particles, the mouse brush, the control
// panel, the state file, the drawing, and the values the synthesiser reads.
#pragma once

#include "app/State.h"
#include "ui/UIEventListener.h"
#include "render/SpriteBatch.h"
#include "screens/FlowField.h"
#include "screens/Particle.h"
#include "screens/StateFile.h"
#include "ui/UI.h"

#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

class RandomGenerator;
class UIButton;
class UIFont;
class UIGraphics;
class UIImage;
class UISlider;

class GameState : public State, public UIEventListener {
public:
    static constexpr int MAX_PARTICLES = 10000;
    static constexpr const char* STATE_PATH = "state.dat";
    static constexpr float MIN_BRUSH_RADIUS = 6.0f;
    static constexpr float MAX_BRUSH_RADIUS = 384.0f;

    /// Keeps the graphics context; loads nothing yet. Seeds rand() for the tint fade.
    explicit GameState(UIGraphics* graphics);
    ~GameState() override;

    /// Allocates the field and particles, builds the hidden panel, loads the sprites and seeds
    /// the first particles; false (with getLoadFailure set) if an image is missing.
    bool load() override;
    /// Empties the key list and runs one step: particles and tint fade, once entered.
    bool update(unsigned time, std::list<int>& keys) override;
    /// Draws the scene and the panel.
    void draw(SDL_Surface* screen) override;
    /// Starts stepping, applies "state.dat" if there is one, and opens audio.
    void enter(unsigned clock) override;
    /// Closes audio.
    void leave() override;
    /// g grid, v cell vectors, r clear field, s pause/resume sound, u panel.
    void keyDown(const int* key) override;
    /// The panel first; otherwise the right button starts or ends a brush resize.
    void mouseDown(const SDL_MouseButtonEvent* event) override;
    void mouseUp(const SDL_MouseButtonEvent* event) override;
    /// The panel first; otherwise the brush: glide the cursor, clear in the corner, stir.
    void mouseMove(const SDL_MouseMotionEvent* event) override;

    /// The Age slider re-staggers ages; the buttons save, load, toggle and cycle modes.
    void componentActivated(UIComponent* source) override;

    /// Sets all 4800 vectors to (0, 0).
    void clearField();
    /// Seeds particles 0..n-1 with staggered ages and the launch values.
    void initParticles();
    /// Writes the field and settings to "state.dat"; a failure keeps the old file.
    void saveState();
    /// Applies "state.dat" if it exists and is whole; otherwise changes nothing.
    void loadState();

    // Read by the audio thread.
    /// True after a motion since the audio thread last closed the gate.
    bool gateOpen() const { return soundGate.load(std::memory_order_relaxed) > 0; }
    /// Octaves from the cursor's x: -0.2 at the left edge to 2.2 at the right.
    float soundNote() const;
    /// Loudness from the cursor's y: 1 at the top edge, 0 at the bottom.
    float soundAmplitude() const;
    /// Called by the audio thread after each buffer.
    void closeGate() { soundGate.store(0, std::memory_order_relaxed); }

    // Read-only views for drawing, tests and tools.
    const FlowField& getField() const { return *field; }
    const std::vector<Particle>& getParticles() const { return *particles; }
    /// Live particle count from the Particle count slider.
    int liveCount() const;
    float getBrushRadius() const { return brushRadius; }
    int getCursorX() const { return cursorX.load(std::memory_order_relaxed); }
    int getCursorY() const { return cursorY.load(std::memory_order_relaxed); }
    int getGradientMode() const { return gradientMode; }
    int getParticleMode() const { return particleMode; }
    bool isGridShown() const { return showGrid; }
    bool areCellsShown() const { return showCells; }
    const float* getGradientColor() const { return gradientColor; }
    /// The panel's sliders, for tests and tools.
    enum class PanelSlider { Age, ColorMul, InitXSpeed, InitYSpeed, ParticleCount };
    UISlider* getSlider(PanelSlider which) const;

private:
    struct LaunchValues {
        float vx;
        float vy;
        int age;
    };

    bool allocateArrays();
    LaunchValues launchValues() const;
    void stepParticles();
    void fadeTint();
    void restaggerAges();
    void stir(int previousX, int previousY);
    void resizeBrush(int previousY);
    SavedState currentSettings() const;
    void apply(const SavedState& state);

    bool buildControlPanel();
    void destroyControlPanel();

    void drawGradient(int blendMode);
    void drawGrid();
    void drawCells();
    void drawParticles();
    void drawBrush();

    RandomGenerator& random() const;

    UI ui;
    bool panelVisible = false;
    bool soundOn = true;
    bool initialized = false;
    UIGraphics* graphics;
    int running = 0;
    float brushRadius = 100.0f;
    std::atomic<int> cursorX{0};
    std::atomic<int> cursorY{0};
    bool brushVisible = false;
    bool rightButtonDown = false;
    bool showGrid = false;
    bool showCells = false;
    int8_t gradientMode = 3;
    int8_t particleMode = 1;
    float colorFrom[3] = {0.0f, 0.0f, 0.0f};
    float colorTo[3] = {1.0f, 1.0f, 1.0f};
    float gradientColor[3] = {0.0f, 0.0f, 0.0f};
    float colorFade = 0.0f;
    std::atomic<int> soundGate{0};
    UIFont* smallFont = nullptr;

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
    SpriteBatch particleBatch{MAX_PARTICLES};

    std::unique_ptr<FlowField> field;
    std::unique_ptr<std::vector<Particle>> particles;
    float smoothX = 0.0f;
    float smoothY = 0.0f;
};
