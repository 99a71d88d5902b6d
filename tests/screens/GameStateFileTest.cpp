#include "screens/StateFile.h"
#include "tests/screens/SimulationFixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <utility>
#include <vector>

namespace {
class StateFileOnScreen : public SimulationFixture {
public:
    void stir() {
        for (int x = 300; x < 600; x += 20)
            move(x, 200 + x / 4);
    }
    /// The settings and field as they would be saved, and one particle's age.
    std::pair<std::vector<uint8_t>, int> snapshot() const {
        return {StateFile::encode(model().save()), model().particles()[3].age};
    }
};
} // namespace

TEST_F(StateFileOnScreen, SaveChangeLoadRestoresSettingsAndFieldButNotTheViewToggles) {
    stir();
    setSlider(AGE, 0.1); // ages within 43 steps, shorter than the 271 set before loading
    setSlider(PARTICLE_COUNT, 0.5);
    key(SDLK_u);
    clickButton(PanelLayout::GRADIENT_MODE); // background -> norm
    screen->saveState();
    const std::vector<uint8_t> saved = snapshot().first;

    clickButton(PanelLayout::GRADIENT_MODE); // norm -> add
    clickButton(PanelLayout::PARTICLE_MODE); // ADD -> mul
    key(SDLK_u);
    setSlider(AGE, 0.9);
    setSlider(PARTICLE_COUNT, 1);
    key(SDLK_r);
    key(SDLK_g);

    screen->loadState();
    EXPECT_TRUE(snapshot().first == saved) << "settings and field as saved";
    EXPECT_EQ(model().settings().particleMode, ParticleMode::Multiply) << "not stored";
    EXPECT_TRUE(model().settings().showGrid) << "not stored";
    const int span = static_cast<int>(model().settings().age * 285 + 15);
    for (const Particle& particle : model().particles())
        ASSERT_LT(particle.age, span) << "ages re-staggered with the loaded Age value";
}

TEST_F(StateFileOnScreen, AMissingOrDamagedFileChangesNothing) {
    std::vector<uint8_t> good = snapshot().first;
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
    const auto before = snapshot();
    for (const auto& test : cases) {
        std::remove(StateFileStore::PATH);
        if (test.present)
            std::ofstream(StateFileStore::PATH, std::ios::binary)
                .write(reinterpret_cast<const char*>(test.bytes.data()), test.bytes.size());
        screen->loadState();
        EXPECT_TRUE(snapshot() == before) << test.what;
        // A refused file is told in the picture; a missing one is no news.
        EXPECT_EQ(screen->noticeText().rfind("state.dat not loaded: ", 0) == 0, test.present)
            << test.what << ": " << screen->noticeText();
    }
}

TEST_F(StateFileOnScreen, AFailedSaveIsShownForFiveSecondsExceptInAScreensaver) {
    ASSERT_EQ(mkdir(StateFileStore::PATH, 0755), 0); // a folder where the file would go
    screen->saveState();
    EXPECT_EQ(screen->noticeText().rfind("state.dat not saved: ", 0), 0u) << screen->noticeText();
    EXPECT_NE(screen->noticeText().find("; the previous file is kept"), std::string::npos);
    step(Notice::SHOWN_STEPS - 1);
    EXPECT_FALSE(screen->noticeText().empty());
    step();
    EXPECT_TRUE(screen->noticeText().empty()) << "gone after five seconds of steps";

    ScreenContext saver = screenServices().context();
    saver.showNotices = false;
    GameState screensaver(saver);
    ASSERT_TRUE(screensaver.load());
    screensaver.saveState();
    EXPECT_TRUE(screensaver.noticeText().empty()) << "a screensaver only logs";
    rmdir(StateFileStore::PATH);
}
