// What the page asks before an opened file replaces the save: the program's own reader and
// decoder, so a file the program would refuse never costs the player's state.dat.
#include "screens/StateFile.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

/// The reason the program would refuse the state file at `path`, or "" when it loads. A file
/// longer than any state file is refused too: the page would keep all of it.
extern "C" EMSCRIPTEN_KEEPALIVE const char* quillomerCheckStateFile(const char* path) {
    static std::string reason;
    struct stat file {};
    if (stat(path, &file) == 0 && static_cast<size_t>(file.st_size) > StateFile::FULL_SIZE) {
        reason = "it is " + std::to_string(file.st_size) + " bytes, longer than a state file (" +
                 std::to_string(StateFile::FULL_SIZE) + " bytes)";
        return reason.c_str();
    }
    std::vector<uint8_t> bytes;
    bool missing = false;
    SavedState state;
    if (!StateFile::read(path, bytes, missing, reason) ||
        !StateFile::decode(bytes.data(), bytes.size(), state, reason))
        return reason.c_str();
    return "";
}
