#include "screens/StateFile.h"
#include "tests/screens/SimulationFixture.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace {
class StateFileOnScreen : public SimulationFixture {
public:
    void stir() {
        for (int x = 300; x < 600; x += 20)
            move(x, 200 + x / 4);
    }
    /// The brush radius, the Age value, one particle's age and the whole field.
    std::vector<double> snapshot() const {
        std::vector<double> values{model().brush().radius, model().settings().age,
                                   static_cast<double>(model().particles()[3].age)};
        for (int i = 0; i < FlowField::CELL_COUNT; ++i) {
            values.push_back(model().field()[i].x);
            values.push_back(model().field()[i].y);
        }
        return values;
    }
};
} // namespace

TEST_F(StateFileOnScreen, SaveChangeLoadRestoresSettingsAndFieldButNotTheViewToggles) {
    stir();
    setSlider(AGE, 0.9);
    setSlider(PARTICLE_COUNT, 0.5);
    key(SDLK_u);
    click(959, 704); // Gradient mode: background -> norm
    screen->saveState();
    const std::vector<double> saved = snapshot();

    click(959, 704); // norm -> add
    click(839, 704); // Particle mode: ADD -> mul
    key(SDLK_u);
    setSlider(AGE, 0.1);
    setSlider(PARTICLE_COUNT, 1);
    key(SDLK_r);
    key(SDLK_g);

    screen->loadState();
    const std::vector<double> loaded = snapshot();
    EXPECT_TRUE(std::equal(loaded.begin() + 3, loaded.end(), saved.begin() + 3)) << "field";
    EXPECT_EQ(loaded[1], saved[1]) << "Age";
    EXPECT_EQ(model().liveCount(), 5000);
    EXPECT_EQ(model().settings().gradientMode, GradientMode::Normal);
    EXPECT_EQ(model().settings().particleMode, ParticleMode::Multiply) << "not stored";
    EXPECT_TRUE(model().settings().showGrid) << "not stored";
    const int span = static_cast<int>(model().settings().age * 285 + 15);
    for (const Particle& particle : model().particles())
        ASSERT_LT(particle.age, span) << "ages re-staggered with the loaded Age value";
}

TEST_F(StateFileOnScreen, AMissingOrDamagedFileChangesNothing) {
    std::vector<uint8_t> good = StateFile::encode(model().save());
    good[1] = 0x11; // another radius, so that a wrongly applied file would show
    std::vector<uint8_t> wide = good;
    wide[26] = 81;
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        bool present;
    } cases[] = {
        {"no file", {}, false},
        {"truncated", std::vector<uint8_t>(good.begin(), good.begin() + 20000), true},
        {"81 x 60", wide, true},
    };
    stir();
    setSlider(AGE, 0.6);
    const std::vector<double> before = snapshot();
    for (const auto& test : cases) {
        std::remove(GameState::STATE_PATH);
        if (test.present)
            std::ofstream(GameState::STATE_PATH, std::ios::binary)
                .write(reinterpret_cast<const char*>(test.bytes.data()), test.bytes.size());
        screen->loadState();
        EXPECT_EQ(snapshot(), before) << test.what;
    }
}
