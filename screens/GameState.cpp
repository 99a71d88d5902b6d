#include "screens/GameState.h"

#include "app/GameApp.h"
#include "render/UIGraphics.h"
#include "render/UIImage.h"
#include "screens/loadScreenImage.h"
#include "sound/AudioOutput.h"
#include "ui/UISlider.h"

#include <cstdlib>
#include <list>
#include <new>

namespace {
constexpr int STEPS_PER_SECOND = 60;
constexpr float FADE_STEP = 0.01f;
/// The raw pointer may be at most 120 pixels from the smoothed cursor to glide and stir.
constexpr int MAX_GLIDE_SQUARED = 120 * 120;

/// rand() reduced to 0..32767 on every platform, so targets stay within 0.3..1 where
/// RAND_MAX is larger than 32767.
int fifteenBitRand() { return std::rand() % 32768; }
} // namespace

GameState::GameState(UIGraphics* graphics) : graphics(graphics) {
    rate = STEPS_PER_SECOND;
    ui.setGraphics(graphics);
    std::srand(getApp() ? getApp()->startSeed() : SDL_GetTicks());
}

GameState::~GameState() { destroyControlPanel(); }

RandomGenerator& GameState::random() const { return *getApp()->getRandom(); }

bool GameState::load() {
    initialized = true;
    ui.setGraphics(graphics);
    if (!field && !allocateArrays())
        return false;
    initialized = buildControlPanel();
    if (!initialized)
        return false;
    flareImage = loadScreenImage(graphics, "data/flare.png", loadFailure);
    gradientImage = loadScreenImage(graphics, "data/gradient.png", loadFailure);
    if (!flareImage || !gradientImage)
        return false;
    initParticles();
    return true;
}

bool GameState::allocateArrays() {
    try {
        field = std::make_unique<FlowField>();
        particles = std::make_unique<std::vector<Particle>>(MAX_PARTICLES);
        return true;
    } catch (const std::bad_alloc&) {
        field.reset();
        loadFailure = "memory for the field and particles";
        return false;
    }
}

void GameState::enter(unsigned) {
    // A screen whose load failed has no panel to read: it stays still and silent.
    if (!initialized && !load())
        return;
    running = 1;
    loadState();
    openAudio(audioCallback, this);
}

void GameState::leave() { closeAudio(); }

int GameState::liveCount() const {
    return static_cast<int>(particleCountSlider->getValue() * MAX_PARTICLES);
}

GameState::LaunchValues GameState::launchValues() const {
    return {static_cast<float>((initXSpeedSlider->getValue() - 0.5) * 10),
            static_cast<float>((initYSpeedSlider->getValue() - 0.5) * 10),
            static_cast<int>(ageSlider->getValue() * 295 + 5)};
}

void GameState::initParticles() {
    const LaunchValues launch = launchValues();
    const int count = liveCount();
    RandomGenerator& generator = random();
    for (int i = 0; i < count; ++i) {
        const int age = generator.nextInt31() % 100;
        (*particles)[i].respawn(launch.vx, launch.vy, age, generator);
    }
}

void GameState::clearField() { field->clear(); }

void GameState::restaggerAges() {
    const int span = static_cast<int>(ageSlider->getValue() * 285 + 15);
    RandomGenerator& generator = random();
    for (Particle& particle : *particles)
        particle.age = generator.nextInt31() % span;
}

bool GameState::update(unsigned, std::list<int>& keys) {
    keys.clear();
    if (running != 1)
        return true;
    stepParticles();
    fadeTint();
    return true;
}

void GameState::stepParticles() {
    const LaunchValues launch = launchValues();
    const int count = liveCount();
    RandomGenerator& generator = random();
    Particle* live = particles->data();
    for (int i = 0; i < count; ++i)
        live[i].step(launch.vx, launch.vy, launch.age, *field, generator);
}

void GameState::fadeTint() {
    const float t = colorFade;
    for (int c = 0; c < 3; ++c)
        gradientColor[c] = (1.0f - t) * colorFrom[c] + t * colorTo[c];
    colorFade = t + FADE_STEP;
    if (colorFade > 1.0f) {
        colorFade = 0.0f;
        for (int c = 0; c < 3; ++c)
            colorFrom[c] = gradientColor[c];
        for (int c = 0; c < 3; ++c)
            colorTo[c] = static_cast<float>(fifteenBitRand()) / 32767.0f * 0.7f + 0.3f;
    }
}

void GameState::keyDown(const int* key) {
    switch (*key) {
    case SDLK_g:
        showGrid = !showGrid;
        break;
    case SDLK_v:
        showCells = !showCells;
        break;
    case SDLK_r:
        clearField();
        break;
    case SDLK_s:
        soundOn = !soundOn;
        SDL_PauseAudio(soundOn ? 0 : 1);
        break;
    case SDLK_u:
        panelVisible = !panelVisible;
        if (panelVisible)
            ui.showAll();
        else
            ui.hideAll();
        break;
    default:
        break;
    }
}

void GameState::mouseDown(const SDL_MouseButtonEvent* event) {
    if (ui.mouseDown(event->x, event->y))
        return;
    if (event->button == SDL_BUTTON_RIGHT)
        rightButtonDown = true;
}

void GameState::mouseUp(const SDL_MouseButtonEvent* event) {
    if (ui.mouseUp(event->x, event->y))
        return;
    if (event->button == SDL_BUTTON_RIGHT)
        rightButtonDown = false;
}

void GameState::mouseMove(const SDL_MouseMotionEvent* event) {
    if (ui.mouseMove(event->x, event->y))
        return;
    soundGate.store(1, std::memory_order_relaxed);
    const int x = event->x;
    const int y = event->y;
    int previousX = cursorX.load(std::memory_order_relaxed);
    int previousY = cursorY.load(std::memory_order_relaxed);
    if (smoothX == 0.0f) {
        // First motion: start at the pointer rather than glide in from the corner.
        smoothX = static_cast<float>(x);
        smoothY = static_cast<float>(y);
    }
    smoothX = smoothX * 0.75f + static_cast<float>(x) / 4;
    smoothY = smoothY * 0.75f + static_cast<float>(y) / 4;
    const int dx = x - previousX;
    const int dy = y - previousY;
    if (dx * dx + dy * dy > MAX_GLIDE_SQUARED) {
        // A jump moves the cursor at once and stirs nothing.
        previousX = x;
        previousY = y;
        smoothX = static_cast<float>(x);
        smoothY = static_cast<float>(y);
    }
    cursorX.store(static_cast<int>(smoothX), std::memory_order_relaxed);
    cursorY.store(static_cast<int>(smoothY), std::memory_order_relaxed);
    brushVisible = true;

    const int width = getApp()->getScreenWidth();
    const int height = getApp()->getScreenHeight();
    if (getCursorX() > width * 9 / 10 && getCursorY() > height * 9 / 10)
        clearField();
    stir(previousX, previousY);
    if (rightButtonDown)
        resizeBrush(previousY);
}

void GameState::stir(int previousX, int previousY) {
    const int x = getCursorX();
    const int y = getCursorY();
    const float pushX = static_cast<float>(x - previousX) / 5;
    const float pushY = static_cast<float>(y - previousY) / 5;
    const float radiusSquared = brushRadius * brushRadius;
    for (int row = 0; row < FlowField::ROWS; ++row) {
        const int dy = y - FlowField::centreY(row);
        for (int column = 0; column < FlowField::COLUMNS; ++column) {
            const int dx = x - FlowField::centreX(column);
            if (static_cast<float>(dx * dx + dy * dy) < radiusSquared) {
                FieldVector& cell = (*field)[row * FlowField::COLUMNS + column];
                cell.x += pushX;
                cell.y += pushY;
            }
        }
    }
}

void GameState::resizeBrush(int previousY) {
    brushRadius += static_cast<float>(getCursorY() - previousY);
    if (brushRadius < MIN_BRUSH_RADIUS)
        brushRadius = MIN_BRUSH_RADIUS;
    if (brushRadius > MAX_BRUSH_RADIUS)
        brushRadius = MAX_BRUSH_RADIUS;
}

float GameState::soundNote() const {
    const float width = static_cast<float>(getApp()->getScreenWidth());
    return static_cast<float>(getCursorX()) / width * 2.4f - 0.2f;
}

float GameState::soundAmplitude() const {
    const int height = getApp()->getScreenHeight();
    return static_cast<float>(height - getCursorY()) / static_cast<float>(height);
}

UISlider* GameState::getSlider(PanelSlider which) const {
    switch (which) {
    case PanelSlider::Age:
        return ageSlider;
    case PanelSlider::ColorMul:
        return colorMulSlider;
    case PanelSlider::InitXSpeed:
        return initXSpeedSlider;
    case PanelSlider::InitYSpeed:
        return initYSpeedSlider;
    case PanelSlider::ParticleCount:
        return particleCountSlider;
    }
    return nullptr;
}
