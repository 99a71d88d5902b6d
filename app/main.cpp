// Program entry: reads the command line, starts SDL, opens the OpenGL display, hides the
// cursor and runs the application. The application object is never destroyed; SDL shuts
// down at exit.
#include "platform/BuildConfig.h"
#include "app/CommandLine.h"
#include "platform/Display.h"
#include "app/GameApp.h"
#include "platform/Platform.h"
#include "platform/ProgramArguments.h"
#include "platform/ScreensaverDialog.h"
#include "app/Session.h"
#include "platform/ScreensaverWindow.h"
#include "platform/WindowSize.h"
#include "platform/reportError.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
/// Starts SDL. A machine without a usable audio driver still gets a silent program: audio is
/// then left out here, and opening it later reports the failure and carries on.
bool initSdl() {
    const Uint32 flags = SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE;
    return SDL_Init(flags | SDL_INIT_AUDIO) >= 0 || SDL_Init(flags) >= 0;
}
} // namespace

int main(int argc, char** argv) {
    // File names on the command line in UTF-8, whatever the system's code page.
    ProgramArguments arguments(argc, argv);
    if (arguments.asksForSettings())
        return showScreensaverDialog(arguments.settingsOwner());
    argc = arguments.count();
    argv = arguments.values();
    CommandLine options;
    std::string reason;
    if (!options.parse(argc, argv, reason)) {
        std::fprintf(stderr, "quillomer: %s\n\n%s", reason.c_str(), CommandLine::usage());
        return 1;
    }
    if (options.help) {
        std::fputs(CommandLine::usage(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("quillomer %s\n", PROGRAM_VERSION);
        return 0;
    }
    Session session(options);
    if (!session.prepare(reason)) {
        std::fprintf(stderr, "quillomer: %s\n", reason.c_str());
        return 1;
    }

    int width = WINDOW_WIDTH;
    int height = WINDOW_HEIGHT;
    if (options.screensaver && !adoptScreensaverWindow(options.windowId, width, height, reason)) {
        std::fprintf(stderr, "quillomer: %s\n", reason.c_str());
        return 1;
    }

    if (!initSdl()) {
        reportError("Unable to init SDL", "%s", SDL_GetError());
        return 1;
    }
    std::atexit(SDL_Quit);

    // A screensaver's window is given to it: it never asks for the full screen.
    char windowed[] = "w";
    char* screensaverWords[] = {argv[0], windowed};
    if (!openDisplay(options.screensaver ? videoModeAttempts(2, screensaverWords)
                                         : videoModeAttempts(argc, argv),
                     width, height)) {
        reportError("Unable to set video mode", "%s", SDL_GetError());
        return 1;
    }
    installCursor();
    SDL_ShowCursor(SDL_DISABLE);

    // Never destroyed: the application lives as long as the process (the browser runs its passes
    // after main has returned), and SDL shuts down at exit. The static keeps it reachable.
    static GameApp* const app = new GameApp();
    if (!session.attach(*app, reason)) {
        reportError("Start-up failed", "%s", reason.c_str());
        return 1;
    }
    if (!app->init()) {
        reportError("Start-up failed", "%s", app->getInitError().c_str());
        return 1;
    }
    session.started(*app);
    const auto runPass = [&session] {
        if (!app->isRunning())
            return false;
        int passes = 0;
        while (app->isRunning() && session.passDue(passes)) {
            app->runPass();
            ++passes;
        }
        // A replay shown at its pace waits for its next pass.
        if (passes == 0)
            waitMilliseconds(1);
        return true;
    };
    return runMainLoop(runPass, [&session] {
        std::string failure;
        if (!session.finish(*app, failure)) {
            reportError("Quillomer", "%s", failure.c_str());
            return 1;
        }
        return 0;
    });
}
