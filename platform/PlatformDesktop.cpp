#include "platform/Platform.h"

#include "platform/Display.h"
#include "platform/SystemFiles.h"

const Uint8* keyboardState() {
    return SDL_GetKeyState(nullptr);
}

int escapeKeyIndex() {
    return SDLK_ESCAPE;
}

void acceptEveryEvent() {
    SDL_SetEventFilter([](const SDL_Event*) { return 1; });
}

void useCursor(CursorBits bits) {
    if (SDL_Cursor* cursor =
            SDL_CreateCursor(bits.data.data(), bits.mask.data(), 32, 32, bits.hotX, bits.hotY))
        SDL_SetCursor(cursor);
}

void waitMilliseconds(Uint32 milliseconds) {
    SDL_Delay(milliseconds);
}

std::filesystem::path programFolder() {
    return runningProgram().parent_path();
}

int runMainLoop(std::function<bool()> runPass, std::function<int()> finish) {
    while (runPass()) {
    }
    return finish();
}
