#include "tests/screens/SimulationFixture.h"

#include <algorithm>

using Simulation = SimulationFixture;

TEST_F(Simulation, LoadSeedsTheLiveParticlesDrawingAgeThenXThenY) {
    RandomGenerator reference(1234);
    const auto& particles = screen->getParticles();
    for (int i = 0; i < 2500; ++i) {
        ASSERT_EQ(particles[i].age, reference.nextInt31() % 100) << i;
        ASSERT_EQ(particles[i].x, reference.nextInt31() % 1003 + 10) << i;
        ASSERT_EQ(particles[i].y, reference.nextInt31() % 384 + 76) << i;
        ASSERT_EQ(particles[i].vx, 0.0f) << "launch speed sliders at 0.5";
    }
    EXPECT_EQ(particles[2500].x, 0.0f) << "particles past the live count stay zero";
}

TEST_F(Simulation, TintFadesOnlyAfterEnterInStepsOfOneHundredAndOne) {
    step(5);
    EXPECT_EQ(screen->getGradientColor()[0], 0.0f) << "nothing happens before enter";
    screen->enter(0);
    step(101); // t reaches 0.9999993: black to white
    EXPECT_NEAR(screen->getGradientColor()[0], 1.0f, 1e-5);
    EXPECT_LT(screen->getGradientColor()[0], 1.0f);
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
    slider(Slider::ParticleCount)->setValue(0);
    const int index = static_cast<int>(std::find_if(screen->getParticles().begin(),
                                                    screen->getParticles().end(),
                                                    [](const Particle& p) { return p.age > 5; }) -
                                       screen->getParticles().begin());
    const int age = screen->getParticles()[index].age;
    step(10);
    EXPECT_EQ(screen->getParticles()[index].age, age);
    slider(Slider::ParticleCount)->setValue(0.25);
    step(1);
    EXPECT_EQ(screen->getParticles()[index].age, age - 1);
    screen->leave();
}

TEST_F(Simulation, AgeSliderRestaggersEveryParticleWithinItsSpan) {
    for (const auto& [value, span] : {std::pair{0.0, 15}, {1.0, 300}}) {
        slider(Slider::Age)->setValue(value);
        getApp()->getRandom()->seed(5);
        RandomGenerator reference(5);
        screen->componentActivated(slider(Slider::Age));
        for (const Particle& particle : screen->getParticles())
            ASSERT_EQ(particle.age, reference.nextInt31() % span);
    }
}

TEST_F(Simulation, CursorSnapsGlidesAndJumpsPastOneHundredTwentyPixels) {
    move(400, 300); // the first motion snaps
    EXPECT_EQ(screen->getCursorX(), 400);
    EXPECT_TRUE(fieldIsZero());
    move(520, 300); // exactly 120 pixels: glides a quarter of the way and stirs
    EXPECT_EQ(screen->getCursorX(), 430);
    EXPECT_FLOAT_EQ(cell(35, 24).x, 6.0f) << "a fifth of the cursor's 30 pixels";
    screen->clearField();
    move(551, 300); // 121 pixels: jumps without stirring
    EXPECT_EQ(screen->getCursorX(), 551);
    EXPECT_TRUE(fieldIsZero());
}

TEST_F(Simulation, StirPushesEveryCellStrictlyInsideTheRadiusAlike) {
    // The cursor ends at (246, 250), 100 pixels below the centre of cell (20, 12).
    move(245, 250);
    move(246, 250);
    move(250, 250);
    ASSERT_EQ(screen->getCursorX(), 246);
    EXPECT_FLOAT_EQ(cell(20, 20).x, 0.2f) << "a one-pixel move adds 0.2";
    EXPECT_FLOAT_EQ(cell(20, 13).x, 0.2f) << "88 pixels away: no falloff";
    EXPECT_EQ(cell(20, 12).x, 0.0f) << "a centre exactly at the radius is outside";
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
    move(500, 100);
    EXPECT_EQ(screen->getBrushRadius(), 6.0f);
}

TEST_F(Simulation, TheCornerAndTheRKeyClearTheField) {
    for (auto clear : {+[](Simulation& s) { s.key(SDLK_r); },
                       +[](Simulation& s) { s.move(1000, 740); }}) {
        move(500, 300);
        move(560, 330);
        ASSERT_FALSE(fieldIsZero());
        clear(*this);
        EXPECT_TRUE(fieldIsZero());
    }
}

TEST_F(Simulation, SoundValuesFollowTheCursorAndMotionOpensTheGate) {
    EXPECT_FALSE(screen->gateOpen());
    move(0, 768);
    EXPECT_TRUE(screen->gateOpen());
    EXPECT_FLOAT_EQ(screen->soundNote(), -0.2f);
    EXPECT_FLOAT_EQ(screen->soundAmplitude(), 0.0f);
    move(1024, 0);
    EXPECT_FLOAT_EQ(screen->soundNote(), 2.2f);
    EXPECT_FLOAT_EQ(screen->soundAmplitude(), 1.0f);
}

TEST_F(Simulation, HiddenPanelTakesNothingAndItsButtonsActOnceShown) {
    click(959, 704); // Gradient mode, hidden
    EXPECT_EQ(screen->getGradientMode(), 3);
    key(SDLK_u);
    for (int expected : {0, 1, 2, 3}) {
        click(959, 704);
        EXPECT_EQ(screen->getGradientMode(), expected);
    }
    for (int expected : {2, 0, 1}) {
        click(839, 704); // Particle mode
        EXPECT_EQ(screen->getParticleMode(), expected);
    }
    click(959, 744); // Toggle grid, then the g key
    EXPECT_TRUE(screen->isGridShown());
    key(SDLK_g);
    EXPECT_FALSE(screen->isGridShown());
    click(839, 744); // Toggle cells, then the v key
    EXPECT_TRUE(screen->areCellsShown());
    key(SDLK_v);
    EXPECT_FALSE(screen->areCellsShown());
    key(SDLK_u);
    click(839, 744);
    EXPECT_FALSE(screen->areCellsShown());
}

TEST_F(Simulation, ADraggedSliderTakesTheMotionWithoutStirringOrOpeningTheGate) {
    key(SDLK_u);
    press(600, 30); // Particle count, track from 580
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
