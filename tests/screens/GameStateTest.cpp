#include "screens/GameState.h"

#include "app/GameApp.h"
#include "tests/screens/ScreenEvents.h"
#include "ui/UISlider.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>

namespace {
class Simulation : public ::testing::Test {
protected:
    void SetUp() override {
        std::remove(GameState::STATE_PATH);
        getApp()->getRandom()->seed(1234);
        screen = std::make_unique<GameState>(getApp()->getGraphics());
        ASSERT_TRUE(screen->load());
    }

    void move(int x, int y) {
        const SDL_MouseMotionEvent event = motionTo(x, y);
        screen->mouseMove(&event);
    }
    void press(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        const SDL_MouseButtonEvent event = pressAt(x, y, button);
        screen->mouseDown(&event);
    }
    void release(int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
        const SDL_MouseButtonEvent event = releaseAt(x, y, button);
        screen->mouseUp(&event);
    }
    void click(int x, int y) {
        press(x, y);
        release(x, y);
    }
    void key(int code) { screen->keyDown(&code); }
    void step(int count = 1) {
        for (int i = 0; i < count; ++i) {
            std::list<int> keys{1, 2};
            screen->update(0, keys);
            ASSERT_TRUE(keys.empty());
        }
    }
    const FieldVector& cell(int column, int row) const {
        return screen->getField()[row * FlowField::COLUMNS + column];
    }
    UISlider* slider(GameState::PanelSlider which) const { return screen->getSlider(which); }
    bool fieldIsZero() const {
        for (int i = 0; i < FlowField::CELL_COUNT; ++i)
            if (screen->getField()[i].x != 0 || screen->getField()[i].y != 0)
                return false;
        return true;
    }

    std::unique_ptr<GameState> screen;
};

using Slider = GameState::PanelSlider;
} // namespace

TEST_F(Simulation, LoadSeedsTheLiveParticlesDrawingAgeThenXThenY) {
    EXPECT_EQ(screen->liveCount(), 2500);
    RandomGenerator reference(1234);
    const auto& particles = screen->getParticles();
    for (int i = 0; i < 2500; ++i) {
        ASSERT_EQ(particles[i].age, reference.nextInt31() % 100) << i;
        ASSERT_EQ(particles[i].x, reference.nextInt31() % 1003 + 10) << i;
        ASSERT_EQ(particles[i].y, reference.nextInt31() % 384 + 76) << i;
        ASSERT_EQ(particles[i].vx, 0.0f) << "launch speed sliders at 0.5";
        ASSERT_EQ(particles[i].vy, 0.0f);
    }
    EXPECT_EQ(particles[2500].x, 0.0f) << "particles past the live count stay zero";
}

TEST_F(Simulation, NothingStepsOrFadesBeforeEnter) {
    const Particle first = screen->getParticles()[0];
    step(5);
    EXPECT_EQ(screen->getParticles()[0].age, first.age);
    EXPECT_EQ(screen->getGradientColor()[0], 0.0f);
}

TEST_F(Simulation, TintFadesOverOneHundredAndOneStepsFromBlackToWhiteThenToBrightColours) {
    screen->enter(0);
    step(1);
    EXPECT_EQ(screen->getGradientColor()[0], 0.0f);
    step(100); // t = 0.9999993 at step 101
    EXPECT_NEAR(screen->getGradientColor()[0], 1.0f, 1e-5);
    EXPECT_LT(screen->getGradientColor()[0], 1.0f);
    step(1); // a new fade starts from white
    EXPECT_NEAR(screen->getGradientColor()[1], 1.0f, 1e-5);
    for (int fade = 0; fade < 20; ++fade) {
        step(101);
        for (int c = 0; c < 3; ++c) {
            EXPECT_GE(screen->getGradientColor()[c], 0.3f - 1e-4f);
            EXPECT_LE(screen->getGradientColor()[c], 1.0f + 1e-4f);
        }
    }
    screen->leave();
}

TEST_F(Simulation, CountSliderAtZeroFreezesTheParticlesAndRaisingItResumesThem) {
    screen->enter(0);
    step(3);
    slider(Slider::ParticleCount)->setValue(0);
    int index = 0;
    while (screen->getParticles()[index].age < 5)
        ++index;
    const Particle frozen = screen->getParticles()[index];
    step(10);
    EXPECT_EQ(screen->getParticles()[index].age, frozen.age);
    slider(Slider::ParticleCount)->setValue(0.25);
    step(1);
    EXPECT_EQ(screen->getParticles()[index].age, frozen.age - 1);
    screen->leave();
}

TEST_F(Simulation, AgeSliderRestaggersEveryParticleWithinItsSpan) {
    for (const auto& [value, span] : {std::pair{0.0, 15}, {1.0, 300}}) {
        slider(Slider::Age)->setValue(value);
        getApp()->getRandom()->seed(5);
        RandomGenerator reference(5);
        screen->componentActivated(slider(Slider::Age));
        int highest = 0;
        for (const Particle& particle : screen->getParticles()) {
            ASSERT_EQ(particle.age, reference.nextInt31() % span);
            highest = std::max(highest, particle.age);
        }
        EXPECT_EQ(highest, span - 1);
    }
}

TEST_F(Simulation, FirstMotionSnapsThenTheCursorGlidesAQuarterOfTheWay) {
    move(400, 300);
    EXPECT_EQ(screen->getCursorX(), 400);
    EXPECT_EQ(screen->getCursorY(), 300);
    EXPECT_TRUE(fieldIsZero()) << "no movement, no push";
    move(440, 300);
    EXPECT_EQ(screen->getCursorX(), 410);
    EXPECT_FLOAT_EQ(cell(33, 25).x, 2.0f) << "a fifth of the cursor's 10 pixels";
}

TEST_F(Simulation, AMoveOfOneHundredTwentyPixelsStirsAndALongerOneJumps) {
    move(300, 300);
    move(420, 300); // exactly 120 pixels from the cursor: glides and stirs
    EXPECT_EQ(screen->getCursorX(), 330);
    EXPECT_FLOAT_EQ(cell(27, 24).x, 6.0f);

    screen->clearField();
    move(452, 300); // 122 pixels: jump without stirring
    EXPECT_EQ(screen->getCursorX(), 452);
    EXPECT_TRUE(fieldIsZero());
}

TEST_F(Simulation, StirPushesEveryCellStrictlyInsideTheRadiusAlike) {
    // The cursor ends at (246, 250), 100 pixels below the centre of cell (20, 12); radius 100.
    move(245, 250);
    move(246, 250); // the cursor glides to 245.25: no whole-pixel move yet
    move(250, 250);
    ASSERT_EQ(screen->getCursorX(), 246);
    ASSERT_EQ(screen->getCursorY(), 250);
    EXPECT_FLOAT_EQ(cell(20, 20).x, 0.2f) << "a one-pixel move adds 0.2";
    EXPECT_FLOAT_EQ(cell(20, 13).x, 0.2f) << "88 pixels away: same push, no falloff";
    EXPECT_FLOAT_EQ(cell(28, 20).x, 0.2f);
    EXPECT_EQ(cell(20, 12).x, 0.0f) << "a centre exactly at the radius is outside";
    EXPECT_EQ(cell(20, 29).x, 0.0f);
}

TEST_F(Simulation, RightButtonDragResizesTheBrushWithinItsLimits) {
    move(500, 300);
    press(500, 300, SDL_BUTTON_RIGHT);
    for (int y = 300; y < 760; y += 20)
        move(500, y);
    EXPECT_EQ(screen->getBrushRadius(), 384.0f);
    for (int y = 760; y > 0; y -= 20)
        move(500, y);
    EXPECT_EQ(screen->getBrushRadius(), 6.0f);
    release(500, 0, SDL_BUTTON_RIGHT);
    move(500, 200);
    EXPECT_EQ(screen->getBrushRadius(), 6.0f) << "no resize after the release";
}

TEST_F(Simulation, TheBottomRightCornerAndTheRKeyClearTheField) {
    move(500, 300);
    move(560, 330);
    ASSERT_FALSE(fieldIsZero());
    key(SDLK_r);
    EXPECT_TRUE(fieldIsZero());

    move(560, 330);
    move(600, 360);
    ASSERT_FALSE(fieldIsZero());
    move(1000, 740); // a jump into the corner
    EXPECT_TRUE(fieldIsZero());
}

TEST_F(Simulation, SoundValuesFollowTheCursorAndMotionOpensTheGate) {
    EXPECT_FALSE(screen->gateOpen());
    move(0, 768);
    EXPECT_TRUE(screen->gateOpen());
    EXPECT_FLOAT_EQ(screen->soundNote(), -0.2f);
    EXPECT_FLOAT_EQ(screen->soundAmplitude(), 0.0f);
    screen->closeGate();
    EXPECT_FALSE(screen->gateOpen());
    move(1024, 0);
    EXPECT_FLOAT_EQ(screen->soundNote(), 2.2f);
    EXPECT_FLOAT_EQ(screen->soundAmplitude(), 1.0f);
}

TEST_F(Simulation, PanelStartsHiddenAndTheUKeyShowsAndHidesIt) {
    EXPECT_FALSE(screen->isPanelVisible());
    click(75, 744); // where Save sits: hidden widgets take nothing
    EXPECT_EQ(std::fopen(GameState::STATE_PATH, "rb"), nullptr);
    key(SDLK_u);
    EXPECT_TRUE(screen->isPanelVisible());
    click(75, 744);
    FILE* saved = std::fopen(GameState::STATE_PATH, "rb");
    EXPECT_NE(saved, nullptr);
    if (saved)
        std::fclose(saved);
    key(SDLK_u);
    EXPECT_FALSE(screen->isPanelVisible());
}

TEST_F(Simulation, ModeButtonsCycleAndToggleButtonsMatchTheirKeys) {
    key(SDLK_u);
    const int gradient = screen->getGradientMode();
    const int particles = screen->getParticleMode();
    const int gradientCycle[] = {0, 1, 2, 3};
    for (int expected : gradientCycle) {
        click(959, 704); // Gradient mode
        EXPECT_EQ(screen->getGradientMode(), expected);
    }
    EXPECT_EQ(screen->getGradientMode(), gradient);
    for (int expected : {2, 0, 1}) {
        click(839, 704); // Particle mode
        EXPECT_EQ(screen->getParticleMode(), expected);
    }
    EXPECT_EQ(screen->getParticleMode(), particles);

    click(959, 744); // Toggle grid
    EXPECT_TRUE(screen->isGridShown());
    key(SDLK_g);
    EXPECT_FALSE(screen->isGridShown());
    click(839, 744); // Toggle cells
    EXPECT_TRUE(screen->areCellsShown());
    key(SDLK_v);
    EXPECT_FALSE(screen->areCellsShown());
}

TEST_F(Simulation, ADraggedSliderTakesTheMotionWithoutStirringOrOpeningTheGate) {
    key(SDLK_u);
    press(600, 30); // Particle count slider, track from 580
    EXPECT_EQ(screen->liveCount(), 10000 * 15 / 120);
    for (int x = 600; x > 0; x -= 30)
        move(x, 200);
    EXPECT_EQ(screen->liveCount(), 0);
    EXPECT_FALSE(screen->gateOpen());
    EXPECT_TRUE(fieldIsZero());
    release(10, 200);
    move(300, 300);
    EXPECT_TRUE(screen->gateOpen());
}

TEST_F(Simulation, PanelSlidersStartAtTheirValuesExactly) {
    EXPECT_EQ(slider(Slider::Age)->getValue(), 0.3);
    EXPECT_EQ(slider(Slider::ColorMul)->getValue(), 0.7);
    EXPECT_EQ(slider(Slider::InitXSpeed)->getValue(), 0.5);
    EXPECT_EQ(slider(Slider::InitYSpeed)->getValue(), 0.5);
    EXPECT_EQ(slider(Slider::ParticleCount)->getValue(), 0.25);
}
