#include "sim/Simulation.h"
#include "tests/support/FieldChecks.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
class SimulationTest : public ::testing::Test {
protected:
    const FieldVector& cell(int column, int row) const {
        return simulation.field()[row * FlowField::COLUMNS + column];
    }
    int cursorX() const { return simulation.brush().cursorX(); }

    RandomGenerator random{1234};
    Simulation simulation{random, 1024, 768, 1};
};
} // namespace

TEST_F(SimulationTest, InitSeedsTheLiveParticlesDrawingAgeThenXThenY) {
    simulation.initParticles();
    RandomGenerator reference(1234);
    for (int i = 0; i < 2500; ++i) {
        const Particle& particle = simulation.particles()[i];
        ASSERT_EQ(particle.age, reference.nextInt31() % 100) << i;
        ASSERT_EQ(particle.x, reference.nextInt31() % 1003 + 10) << i;
        ASSERT_EQ(particle.y, reference.nextInt31() % 384 + 76) << i;
        ASSERT_EQ(particle.vx, 0.0f) << "launch speeds at 0.5 are still";
    }
    EXPECT_EQ(simulation.particles()[2500].x, 0.0f) << "particles past the live count stay zero";
}

TEST_F(SimulationTest, TintFadesToWhiteInOneHundredAndOneStepsThenDriftsWithinItsRange) {
    simulation.settings().particleCount = 0;
    for (int i = 0; i < 101; ++i) // t reaches 0.9999993: black to white
        simulation.step();
    EXPECT_NEAR(simulation.tint().color()[0], 1.0f, 1e-5);
    EXPECT_LT(simulation.tint().color()[0], 1.0f);
    for (int i = 0; i < 20 * 101; ++i) {
        simulation.step();
        for (int c = 0; c < 3; ++c)
            ASSERT_TRUE(simulation.tint().color()[c] >= 0.3f - 1e-4f &&
                        simulation.tint().color()[c] <= 1.0f + 1e-4f);
    }
}

TEST_F(SimulationTest, OnlyLiveParticlesStepAndACountOfZeroFreezesThemAll) {
    simulation.initParticles();
    const auto& particles = simulation.particles();
    const int index = static_cast<int>(
        std::find_if(particles.begin(), particles.end(), [](const Particle& p) { return p.age > 5; }) -
        particles.begin());
    const int age = particles[index].age;
    simulation.settings().particleCount = 0;
    simulation.step();
    EXPECT_EQ(particles[index].age, age);
    simulation.settings().particleCount = 0.25;
    simulation.step();
    EXPECT_EQ(particles[index].age, age - 1);
    EXPECT_EQ(particles[2500].age, 0) << "past the live count nothing moves";
}

TEST_F(SimulationTest, CursorSnapsGlidesJumpsPast120PixelsAndClearsTheFieldInTheCorner) {
    simulation.moveCursor(400, 300); // the first motion snaps
    EXPECT_EQ(cursorX(), 400);
    EXPECT_TRUE(isAllZero(simulation.field()));
    simulation.moveCursor(520, 300); // exactly 120 pixels: glides a quarter of the way, stirs
    EXPECT_EQ(cursorX(), 430);
    EXPECT_FLOAT_EQ(cell(35, 24).x, 6.0f) << "a fifth of the cursor's 30 pixels";
    simulation.clearField();
    simulation.moveCursor(551, 300); // 121 pixels: jumps without stirring
    EXPECT_EQ(cursorX(), 551);
    EXPECT_TRUE(isAllZero(simulation.field()));
    simulation.moveCursor(600, 330);
    ASSERT_FALSE(isAllZero(simulation.field()));
    simulation.moveCursor(1000, 740); // the bottom-right corner clears the field
    EXPECT_TRUE(isAllZero(simulation.field()));
}

TEST_F(SimulationTest, StirPushesEveryCellStrictlyInsideTheRadiusAlike) {
    // The cursor ends at (246, 250), 100 pixels below the centre of cell (20, 12).
    for (int x : {245, 246, 250})
        simulation.moveCursor(x, 250);
    ASSERT_EQ(cursorX(), 246);
    EXPECT_FLOAT_EQ(cell(20, 20).x, 0.2f) << "a one-pixel move adds 0.2";
    EXPECT_FLOAT_EQ(cell(20, 13).x, 0.2f) << "88 pixels away: no falloff";
    EXPECT_EQ(cell(20, 12).x, 0.0f) << "a centre exactly at the radius is outside";
}

TEST_F(SimulationTest, AResizingDragChangesTheRadiusWithinItsLimits) {
    simulation.moveCursor(500, 300);
    simulation.brush().resizing = true;
    for (int y = 300; y < 760; y += 20)
        simulation.moveCursor(500, y);
    EXPECT_EQ(simulation.brush().radius, 384.0f);
    for (int y = 760; y > 0; y -= 20)
        simulation.moveCursor(500, y);
    EXPECT_EQ(simulation.brush().radius, 6.0f);
    simulation.brush().resizing = false;
    simulation.moveCursor(500, 100);
    EXPECT_EQ(simulation.brush().radius, 6.0f);
}
