#include "tests/screens/SimulationFixture.h"

#include <SDL.h>

#include <utility>

using SimulationScreen = SimulationFixture;

TEST_F(SimulationScreen, NothingStepsBeforeEnterAndLeavingOrDestroyingClosesTheAudioDevice) {
    step(5);
    EXPECT_EQ(model().tint().color()[0], 0.0f) << "nothing happens before enter";
    screen->enter(0);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
    step(2);
    EXPECT_GT(model().tint().color()[0], 0.0f);
    screen->leave();
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_STOPPED);
    screen->enter(0);
    ASSERT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
    screen.reset(); // the device's thread must not run on a freed screen
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_STOPPED);
}

TEST_F(SimulationScreen, MotionOpensTheGateWithTheCursorsVoiceAndTheRKeyClearsTheField) {
    SoundControls& sound = screen->soundControls();
    EXPECT_FALSE(sound.gateOpen());
    move(1024, 0);
    EXPECT_TRUE(sound.gateOpen());
    EXPECT_FLOAT_EQ(sound.note(), 2.2f);
    EXPECT_FLOAT_EQ(sound.amplitude(), 1.0f);
    move(0, 768); // the opposite corner
    EXPECT_FLOAT_EQ(sound.note(), -0.2f);
    EXPECT_FLOAT_EQ(sound.amplitude(), 0.0f);
    move(60, 700);
    ASSERT_FALSE(fieldIsZero());
    key(SDLK_r);
    EXPECT_TRUE(fieldIsZero());
}

TEST_F(SimulationScreen, HiddenPanelTakesNothingAndItsButtonsActOnceShown) {
    const Settings& settings = model().settings();
    clickButton(PanelLayout::GRADIENT_MODE); // Gradient mode, hidden
    EXPECT_EQ(settings.gradientMode, GradientMode::Background);
    key(SDLK_u);
    for (GradientMode expected : {GradientMode::Normal, GradientMode::Add, GradientMode::Multiply,
                                  GradientMode::Background}) {
        clickButton(PanelLayout::GRADIENT_MODE);
        EXPECT_EQ(settings.gradientMode, expected);
    }
    for (ParticleMode expected :
         {ParticleMode::Multiply, ParticleMode::Normal, ParticleMode::Add}) {
        clickButton(PanelLayout::PARTICLE_MODE);
        EXPECT_EQ(settings.particleMode, expected);
    }
    clickButton(PanelLayout::GRID); // then the g key
    EXPECT_TRUE(settings.showGrid);
    key(SDLK_g);
    EXPECT_FALSE(settings.showGrid);
    clickButton(PanelLayout::CELLS); // then the v key
    EXPECT_TRUE(settings.showCells);
    key(SDLK_v);
    EXPECT_FALSE(settings.showCells);
    key(SDLK_u);
    clickButton(PanelLayout::CELLS);
    EXPECT_FALSE(settings.showCells);
}

TEST_F(SimulationScreen, ADraggedSliderSetsTheModelWithoutStirringOrOpeningTheGate) {
    key(SDLK_u);
    press(PanelLayout::SLIDER_X[PARTICLE_COUNT] + 20, SLIDER_CENTRE_Y); // Particle count
    EXPECT_EQ(model().liveCount(), 10000 * 15 / 120);
    for (int x = 600; x > 0; x -= 30)
        move(x, 200);
    EXPECT_EQ(model().liveCount(), 0);
    EXPECT_FALSE(screen->soundControls().gateOpen());
    EXPECT_TRUE(fieldIsZero());
    release(10, 200);
    move(300, 300);
    EXPECT_TRUE(screen->soundControls().gateOpen());

    // Age at 0, then at 1: every age re-staggered within 15, then 300 steps.
    for (const auto& [position, span] : {std::pair{thumbX(AGE, 0), 15}, {thumbX(AGE, 1), 300}}) {
        screenServices().random.seed(5);
        RandomGenerator reference(5);
        press(position, SLIDER_CENTRE_Y);
        for (const Particle& particle : model().particles())
            ASSERT_EQ(particle.age, reference.nextInt31() % span) << position;
        release(position, SLIDER_CENTRE_Y);
    }
}
