// What the page asks before an opened file replaces the save: the program's own reader and
// decoder, so a file the program would refuse never costs the player's state.dat.
#include "screens/StateFile.h"

#include <emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

/// The reason the program would refuse the state file at `path`, or "" when it loads.
extern "C" EMSCRIPTEN_KEEPALIVE const char* quillomerCheckStateFile(const char* path) {
    static std::string reason;
    std::vector<uint8_t> bytes;
    bool missing = false;
    SavedState state;
    if (!StateFile::read(path, bytes, missing, reason) ||
        !StateFile::decode(bytes.data(), bytes.size(), state, reason))
        return reason.c_str();
    return "";
}
