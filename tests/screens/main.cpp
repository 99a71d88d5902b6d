// Runs the screen tests inside one OpenGL window with the real application started, in a
// scratch working directory that sees the repository's data/ folder and no state.dat.
#include "app/GameApp.h"
#include "tests/support/GLWindow.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {
std::filesystem::path makeScratchDirectory() {
    namespace fs = std::filesystem;
    const fs::path repository = fs::current_path();
    char pattern[] = "/tmp/quillomer-screens-XXXXXX";
    const fs::path scratch = mkdtemp(pattern);
    fs::create_directory_symlink(repository / "data", scratch / "data");
    fs::current_path(scratch);
    return scratch;
}
} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::filesystem::path scratch = makeScratchDirectory();
    GLWindow window;
    if (!window.isOpen())
        return 1;
    auto app = std::make_unique<GameApp>();
    if (!app->init()) {
        std::fprintf(stderr, "%s\n", app->getInitError().c_str());
        return 1;
    }
    app->changeState(0); // no current screen: the tests build and enter their own
    int result = RUN_ALL_TESTS();
    // Orderly teardown with the simulation screen entered and its audio device running.
    app->changeState(GameApp::SIMULATION_SCREEN);
    app.reset();
    if (SDL_GetAudioStatus() != SDL_AUDIO_STOPPED) {
        std::fprintf(stderr, "destroying the application left the audio device open\n");
        result = 1;
    }
    std::filesystem::remove_all(scratch);
    return result;
}
