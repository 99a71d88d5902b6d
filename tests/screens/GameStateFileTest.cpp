#include "tests/screens/SimulationFixture.h"

#include <unistd.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {
std::vector<uint8_t> readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const char* path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
}

class StateFileOnScreen : public SimulationFixture {
public:
    void stir() {
        for (int x = 300; x < 600; x += 20)
            move(x, 200 + x / 4);
    }
    std::vector<float> snapshot() const {
        std::vector<float> values{screen->getBrushRadius(),
                                  static_cast<float>(slider(Slider::Age)->getValue()),
                                  static_cast<float>(screen->getParticles()[3].age)};
        for (int i = 0; i < FlowField::CELL_COUNT; ++i) {
            values.push_back(screen->getField()[i].x);
            values.push_back(screen->getField()[i].y);
        }
        return values;
    }
};
} // namespace

TEST_F(StateFileOnScreen, ASaveRightAfterStartUpHoldsTheDefaultsAndAZeroField) {
    screen->saveState();
    const std::vector<uint8_t> bytes = readFile(GameState::STATE_PATH);
    ASSERT_EQ(bytes.size(), 38434u);
    SavedState saved;
    std::string reason;
    ASSERT_TRUE(StateFile::decode(bytes.data(), bytes.size(), saved, reason));
    EXPECT_EQ(saved.brushRadius, 100.0f);
    EXPECT_EQ(saved.gradientMode, 3);
    EXPECT_EQ(saved.particleCount, 2500);
    EXPECT_EQ(saved.age, 0.3f);
    EXPECT_EQ(saved.colorMul, 0.7f);
    EXPECT_EQ(saved.initXSpeed, 0.5f);
    EXPECT_EQ(saved.initYSpeed, 0.5f);
    EXPECT_EQ(StateFile::encode(saved), bytes) << "format byte 0, 80 x 60, zero field";
    EXPECT_TRUE(std::all_of(bytes.begin() + 34, bytes.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(StateFileOnScreen, SaveChangeLoadRestoresSettingsAndFieldButNotTheViewToggles) {
    stir();
    slider(Slider::Age)->setValue(0.9);
    slider(Slider::ParticleCount)->setValue(0.5);
    screen->saveState();
    const std::vector<float> saved = snapshot();

    key(SDLK_r);
    key(SDLK_g);
    key(SDLK_u);
    slider(Slider::Age)->setValue(0.1);
    slider(Slider::ParticleCount)->setValue(1);
    click(839, 704); // Particle mode: ADD -> mul

    screen->loadState();
    const std::vector<float> loaded = snapshot();
    EXPECT_TRUE(std::equal(loaded.begin() + 3, loaded.end(), saved.begin() + 3)) << "field";
    EXPECT_EQ(loaded[1], saved[1]) << "Age";
    EXPECT_EQ(screen->liveCount(), 5000);
    EXPECT_EQ(screen->getParticleMode(), 2) << "not stored";
    EXPECT_TRUE(screen->isGridShown()) << "not stored";
    const int span = static_cast<int>(slider(Slider::Age)->getValue() * 285 + 15);
    for (const Particle& particle : screen->getParticles())
        ASSERT_LT(particle.age, span) << "ages re-staggered with the loaded Age value";
}

TEST_F(StateFileOnScreen, ASmallerGridFillsTheTopLeftCellsWithTheFieldsRowStride) {
    SavedState small;
    small.width = 40;
    small.height = 30;
    small.cells.assign(40 * 30, FieldVector{1.5f, -2.0f});
    writeFile(GameState::STATE_PATH, StateFile::encode(small));
    stir();
    screen->loadState();
    for (int row = 0; row < FlowField::ROWS; ++row)
        for (int column = 0; column < FlowField::COLUMNS; ++column)
            ASSERT_EQ(cell(column, row).y, row < 30 && column < 40 ? -2.0f : 0.0f)
                << column << "," << row;
}

TEST_F(StateFileOnScreen, AMissingOrDamagedFileChangesNothing) {
    screen->saveState();
    std::vector<uint8_t> good = readFile(GameState::STATE_PATH);
    good[1] = 0x11; // another radius, so that a wrongly applied file would show
    std::vector<uint8_t> wide = good, nan = good;
    wide[26] = 81;
    const float notANumber = std::nanf("");
    std::memcpy(&nan[34 + 8 * 500], &notANumber, 4);
    const struct {
        const char* what;
        std::vector<uint8_t> bytes;
        bool present;
    } cases[] = {
        {"no file", {}, false},
        {"empty", {}, true},
        {"truncated", std::vector<uint8_t>(good.begin(), good.begin() + 20000), true},
        {"81 x 60", wide, true},
        {"a NaN in the field", nan, true},
    };
    stir();
    slider(Slider::Age)->setValue(0.6);
    const std::vector<float> before = snapshot();
    for (const auto& test : cases) {
        std::remove(GameState::STATE_PATH);
        if (test.present)
            writeFile(GameState::STATE_PATH, test.bytes);
        screen->loadState();
        EXPECT_EQ(snapshot(), before) << test.what;
    }
}

TEST_F(StateFileOnScreen, ASaveThatCannotBeWrittenKeepsThePreviousFile) {
    namespace fs = std::filesystem;
    screen->saveState();
    const std::vector<uint8_t> original = readFile(GameState::STATE_PATH);
    const fs::path here = fs::current_path();
    chmod(here.c_str(), 0555);
    if (geteuid() == 0) // root ignores directory permissions: block the temporary name too
        fs::create_directory(std::string(GameState::STATE_PATH) + ".tmp");
    stir();
    screen->saveState();
    chmod(here.c_str(), 0755);
    fs::remove_all(std::string(GameState::STATE_PATH) + ".tmp");
    EXPECT_EQ(readFile(GameState::STATE_PATH), original);
}
