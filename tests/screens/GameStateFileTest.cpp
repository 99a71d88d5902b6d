#include "screens/GameState.h"

#include "app/GameApp.h"
#include "tests/screens/ScreenEvents.h"
#include "ui/UISlider.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {
using Slider = GameState::PanelSlider;
namespace fs = std::filesystem;

std::vector<uint8_t> readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const char* path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class StateFileOnScreen : public ::testing::Test {
protected:
    void SetUp() override {
        std::remove(GameState::STATE_PATH);
        screen = std::make_unique<GameState>(getApp()->getGraphics());
        ASSERT_TRUE(screen->load());
    }
    void TearDown() override { std::remove(GameState::STATE_PATH); }

    void stir() {
        for (int x = 300; x < 600; x += 20) {
            const SDL_MouseMotionEvent event = motionTo(x, 200 + x / 4);
            screen->mouseMove(&event);
        }
    }
    std::vector<FieldVector> field() const {
        std::vector<FieldVector> cells(FlowField::CELL_COUNT);
        for (int i = 0; i < FlowField::CELL_COUNT; ++i)
            cells[i] = screen->getField()[i];
        return cells;
    }
    double value(Slider which) const { return screen->getSlider(which)->getValue(); }
    void key(int code) { screen->keyDown(&code); }

    std::unique_ptr<GameState> screen;
};

bool sameCells(const std::vector<FieldVector>& a, const std::vector<FieldVector>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), [](const FieldVector& p, const FieldVector& q) {
        return p.x == q.x && p.y == q.y;
    });
}
} // namespace

TEST_F(StateFileOnScreen, ASaveRightAfterStartUpHoldsTheDefaultsAndAZeroField) {
    screen->saveState();
    const std::vector<uint8_t> bytes = readFile(GameState::STATE_PATH);
    ASSERT_EQ(bytes.size(), 38434u);
    SavedState saved;
    std::string reason;
    ASSERT_TRUE(StateFile::decode(bytes.data(), bytes.size(), saved, reason));
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(saved.brushRadius, 100.0f);
    EXPECT_EQ(saved.gradientMode, 3);
    EXPECT_EQ(saved.particleCount, 2500);
    EXPECT_EQ(saved.age, 0.3f);
    EXPECT_EQ(saved.colorMul, 0.7f);
    EXPECT_EQ(saved.initXSpeed, 0.5f);
    EXPECT_EQ(saved.initYSpeed, 0.5f);
    EXPECT_EQ(saved.width, 80);
    EXPECT_EQ(saved.height, 60);
    EXPECT_TRUE(std::all_of(bytes.begin() + 34, bytes.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(StateFileOnScreen, SaveChangeLoadRestoresSettingsAndFieldButNotTheViewToggles) {
    stir();
    screen->getSlider(Slider::Age)->setValue(0.9);
    screen->getSlider(Slider::ParticleCount)->setValue(0.5);
    const std::vector<FieldVector> stirred = field();
    screen->saveState();

    key(SDLK_r);
    key(SDLK_g);
    key(SDLK_u);
    screen->getSlider(Slider::Age)->setValue(0.1);
    screen->getSlider(Slider::ColorMul)->setValue(0);
    screen->getSlider(Slider::ParticleCount)->setValue(1);
    SDL_MouseButtonEvent press = pressAt(839, 704), release = releaseAt(839, 704);
    screen->mouseDown(&press); // Particle mode: ADD -> mul
    screen->mouseUp(&release);

    screen->loadState();
    EXPECT_TRUE(sameCells(field(), stirred));
    EXPECT_EQ(screen->liveCount(), 5000);
    EXPECT_NEAR(value(Slider::Age), 0.9, 1.0 / 120);
    EXPECT_NEAR(value(Slider::ColorMul), 0.7, 1e-9);
    EXPECT_EQ(screen->getParticleMode(), 2) << "not stored";
    EXPECT_TRUE(screen->isGridShown()) << "not stored";
    const int span = static_cast<int>(value(Slider::Age) * 285 + 15);
    for (const Particle& particle : screen->getParticles())
        ASSERT_LT(particle.age, span) << "ages re-staggered with the loaded Age value";
}

TEST_F(StateFileOnScreen, ASmallerGridFillsTheTopLeftCellsWithTheFieldsRowStride) {
    SavedState small;
    small.brushRadius = 50;
    small.gradientMode = 1;
    small.particleCount = 1000;
    small.width = 40;
    small.height = 30;
    small.cells.assign(40 * 30, FieldVector{1.5f, -2.0f});
    writeFile(GameState::STATE_PATH, StateFile::encode(small));
    stir();
    screen->loadState();
    EXPECT_EQ(screen->getBrushRadius(), 50.0f);
    EXPECT_EQ(screen->getGradientMode(), 1);
    EXPECT_EQ(screen->liveCount(), 1000);
    for (int row = 0; row < FlowField::ROWS; ++row)
        for (int column = 0; column < FlowField::COLUMNS; ++column) {
            const FieldVector& cell = screen->getField()[row * FlowField::COLUMNS + column];
            const bool inside = row < 30 && column < 40;
            ASSERT_EQ(cell.x, inside ? 1.5f : 0.0f) << column << "," << row;
            ASSERT_EQ(cell.y, inside ? -2.0f : 0.0f) << column << "," << row;
        }
}

TEST_F(StateFileOnScreen, AMissingOrDamagedFileChangesNothing) {
    std::vector<uint8_t> good = [this] {
        screen->saveState();
        return readFile(GameState::STATE_PATH);
    }();
    good[1] = 0x11; // a different radius, so that a wrongly applied file would show
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
    screen->getSlider(Slider::Age)->setValue(0.6);
    const std::vector<FieldVector> before = field();
    const float radius = screen->getBrushRadius();
    const int age = screen->getParticles()[3].age;
    for (const auto& test : cases) {
        std::remove(GameState::STATE_PATH);
        if (test.present)
            writeFile(GameState::STATE_PATH, test.bytes);
        screen->loadState();
        EXPECT_TRUE(sameCells(field(), before)) << test.what;
        EXPECT_EQ(screen->getBrushRadius(), radius) << test.what;
        EXPECT_EQ(screen->getParticles()[3].age, age) << test.what;
        EXPECT_NEAR(value(Slider::Age), 0.6, 1.0 / 120) << test.what;
    }
}

TEST_F(StateFileOnScreen, ASaveThatCannotBeWrittenKeepsThePreviousFile) {
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
