#include "app/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

TEST(DataFolder, PicksTheFirstFolderHoldingTheDataAndNamesEveryFolderTried) {
    const fs::path root =
        fs::temp_directory_path() / ("quillomer-data-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "empty");
    fs::create_directories(root / "first");
    fs::create_directories(root / "second");
    std::ofstream(root / "first" / "font_medium.png") << "x";
    std::ofstream(root / "second" / "font_medium.png") << "x";
    const std::string empty = (root / "empty").string(), missing = (root / "missing").string();

    const DataFolder picked(
        {empty, missing, (root / "first").string(), (root / "second").string()});
    EXPECT_EQ(picked.getPath(), (root / "first").string());

    const DataFolder none({empty, missing});
    EXPECT_FALSE(none.found());
    EXPECT_EQ(none.describeTried(), empty + " and " + missing);
    fs::remove_all(root);
}
