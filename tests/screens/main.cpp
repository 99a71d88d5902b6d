// Runs the screen tests inside one OpenGL window, with the screens' services made as the program
// makes them, in a scratch working directory that sees the repository's data/ folder and no
// state.dat.
#include "tests/support/GLWindow.h"
#include "tests/support/ScreenServices.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {
std::optional<ScreenServices> services;

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

ScreenServices& screenServices() {
    return *services;
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    const std::filesystem::path scratch = makeScratchDirectory();
    GLWindow window;
    if (!window.isOpen())
        return 1;
    services.emplace();
    if (!services->load()) {
        std::fprintf(stderr, "the fonts in data/ did not load\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    services.reset();
    std::filesystem::remove_all(scratch);
    return result;
}
