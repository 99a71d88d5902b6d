#include "platform/Platform.h"

#include "platform/BuildConfig.h"
#include "platform/Display.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <utility>

namespace {
std::function<bool()> loopPass;
std::function<int()> loopFinish;
ino_t savedStateNode = 0;

ino_t stateFileNode() {
    struct stat file {};
    return stat("state.dat", &file) == 0 ? file.st_ino : 0;
}

// A save writes a new state.dat and renames it into place, so a new file node means a new
// save: the page then copies it to the browser's persistent storage (IndexedDB).
void persistNewSave() {
    const ino_t node = stateFileNode();
    if (node == savedStateNode)
        return;
    savedStateNode = node;
    EM_ASM(Module['keepSaves']());
}

void runPageFrame() {
    if (loopPass()) {
        persistNewSave();
        return;
    }
    emscripten_cancel_main_loop();
    const int code = loopFinish();
    // The page's sound stops with the run; the forced exit ends the runtime even though the
    // main loop kept it alive, and the page's onExit shows that the run has ended.
    SDL_CloseAudio();
    emscripten_force_exit(code);
}
} // namespace

const Uint8* keyboardState() {
    return SDL_GetKeyboardState(nullptr);
}

int escapeKeyIndex() {
    return SDL_SCANCODE_ESCAPE;
}

void acceptEveryEvent() {}

void useCursor(CursorBits) {}

void waitMilliseconds(Uint32) {}

std::filesystem::path programFolder() {
    return PROGRAM_FOLDER_IN_BROWSER;
}

int runMainLoop(std::function<bool()> runPass, std::function<int()> finish) {
    loopPass = std::move(runPass);
    loopFinish = std::move(finish);
    savedStateNode = stateFileNode();
    // Never returns: the page calls runPageFrame at every animation frame.
    emscripten_set_main_loop(runPageFrame, 0, 1);
    return 0;
}
