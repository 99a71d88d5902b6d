#include "export/VideoModule.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

// Without the module, the reason says how to get it: the build step in a build folder, the
// package beside an installed program; a module file that does not load is named instead.
TEST(VideoModule, SaysHowToGetAMissingModuleAndNamesOneThatDoesNotLoad) {
    const fs::path root =
        fs::temp_directory_path() / ("quillomer-module-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "installed");
    fs::create_directories(root / "build");
    std::ofstream(root / "build" / "CMakeCache.txt") << "x";
    std::string reason;

    EXPECT_FALSE(VideoModule().load(root / "installed", reason));
    EXPECT_EQ(reason,
              "--video needs the video module, which is not installed: apt install quillomer-video");
    EXPECT_FALSE(VideoModule().load(root / "build", reason));
    EXPECT_EQ(reason, "--video needs the video module, which is not built: cmake --build " +
                          (root / "build").string() + " --target quillomer_video");

    std::ofstream(root / "build" / "libquillomer_video.so") << "not a library";
    EXPECT_FALSE(VideoModule().load(root / "build", reason));
    EXPECT_EQ(reason.rfind("cannot load the video module: " +
                               (root / "build" / "libquillomer_video.so").string(), 0),
              0u)
        << reason;
    fs::remove_all(root);
}
