#include "app/DataFolder.h"

#include "platform/BuildConfig.h"
#include "platform/Platform.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {
// A folder holds the data when it has the first file the program loads: a stray ./data of
// the player's own (the menu entry starts the program in the home folder) does not count.
const char* const FIRST_DATA_FILE = "font_medium.png";

bool holdsData(const std::string& folder) {
    std::error_code error;
    return fs::is_regular_file(fs::u8path(folder) / FIRST_DATA_FILE, error);
}

// The installed data folder, from where the running executable lies; empty if unknown.
std::string installedFolder() {
    const fs::path folder = programFolder();
    if (folder.empty())
        return {};
    return (folder / DATA_FROM_PROGRAM).lexically_normal().u8string();
}
} // namespace

DataFolder::DataFolder(std::vector<std::string> candidates) : candidates(std::move(candidates)) {
    for (const std::string& folder : this->candidates)
        if (holdsData(folder)) {
            path = folder;
            return;
        }
}

DataFolder DataFolder::locate() {
    std::vector<std::string> candidates = {"data"};
    const std::string installed = installedFolder();
    if (!installed.empty())
        candidates.push_back(installed);
    return DataFolder(candidates);
}

std::string DataFolder::describeTried() const {
    std::string tried;
    for (const std::string& folder : candidates) {
        std::error_code error;
        const fs::path absolute = fs::absolute(fs::u8path(folder), error);
        tried += (tried.empty() ? "" : " and ") +
                 (error ? folder : absolute.lexically_normal().u8string());
    }
    return tried;
}
