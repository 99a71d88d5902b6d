#include "app/GameApp.h"
#include "screens/State.h"

#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <string>

namespace {
struct Lifecycle {
    int loads = 0, unloads = 0, deletions = 0;
    int deletionsAtLeave = -1; ///< deletions counted when the screen was left
};

class CountedScreen : public State {
public:
    CountedScreen(Lifecycle& counts, bool loadSucceeds) : counts(counts), ok(loadSucceeds) {}
    ~CountedScreen() override { ++counts.deletions; }
    bool load() override {
        ++counts.loads;
        return ok;
    }
    void unload() override { ++counts.unloads; }
    void leave() override { counts.deletionsAtLeave = counts.deletions; }
    bool update(unsigned, std::list<int>&) override { return true; }
    void draw(SDL_Surface*) override {}

private:
    Lifecycle& counts;
    bool ok;
};
} // namespace

TEST(GameApp, AScreenThatFailsToLoadIsDeletedAndReported) {
    Lifecycle failing, loading;
    GameApp app;
    EXPECT_FALSE(app.registerState(1, std::make_unique<CountedScreen>(failing, false)));
    EXPECT_EQ(failing.deletions, 1);
    EXPECT_EQ(app.getState(1), nullptr);
    EXPECT_NE(app.getInitError().find("Couldn't load a screen"), std::string::npos)
        << app.getInitError();

    EXPECT_TRUE(app.registerState(2, std::make_unique<CountedScreen>(loading, true)));
    EXPECT_NE(app.getState(2), nullptr);
}

TEST(GameApp, ReleasingLeavesTheCurrentScreenThenUnloadsAndDeletesEveryScreen) {
    Lifecycle counts;
    GameApp app;
    app.registerState(1, std::make_unique<CountedScreen>(counts, true));
    app.registerState(2, std::make_unique<CountedScreen>(counts, true));
    app.changeState(2);
    ASSERT_NE(app.getCurrentState(), nullptr);
    app.releaseStates();
    EXPECT_EQ(counts.deletionsAtLeave, 0) << "left before anything was deleted";
    EXPECT_EQ(app.getCurrentState(), nullptr) << "no dangling current screen";
    EXPECT_EQ(counts.unloads, 2);
    EXPECT_EQ(counts.deletions, 2);
    EXPECT_EQ(app.getState(1), nullptr);
}
