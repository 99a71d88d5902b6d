#include "app/Session.h"

#include "app/GameApp.h"
#include "render/Screenshot.h"

#include <vector>

Session::Session(CommandLine commandLine) : options(std::move(commandLine)) {}

bool Session::prepare(std::string& reason) {
    if (options.replayPath.empty())
        return true;
    std::vector<InputRecording::Entry> entries;
    if (!InputRecording::load(options.replayPath, entries, reason))
        return false;
    replayer = std::make_unique<InputReplayer>(std::move(entries));
    return true;
}

bool Session::attach(GameApp& app, std::string& reason) {
    if (replayer) {
        InputReplayer* replay = replayer.get();
        app.setTimeSource([replay] { return replay->ticks(); }, [](Uint32) {});
        app.setInputSource([replay](SDL_Event& event) { return replay->poll(event); },
                           [replay] { return replay->keyState(); });
    } else if (!options.recordPath.empty()) {
        recorder = std::make_unique<InputRecorder>();
        if (!recorder->open(options.recordPath, reason))
            return false;
        InputRecorder* record = recorder.get();
        app.setTimeSource([record] { return record->ticks(); }, SDL_Delay);
        app.setInputSource([record](SDL_Event& event) { return record->poll(event); },
                           [] { return SDL_GetKeyState(nullptr); });
    }
    if (options.seed)
        app.setSeed(*options.seed);
    if (options.frames > 0)
        app.setFrameObserver([this, &app] { onFrame(app); });
    if (!options.wavPath.empty() && !capture.start(options.wavPath, reason))
        return false;
    app.setPassObserver([this, &app] {
        capture.drain(SDL_GetTicks());
        if (replayer && replayer->finished())
            app.setRunning(false);
    });
    return true;
}

void Session::onFrame(GameApp& app) {
    if (++framesDrawn != options.frames)
        return;
    if (!saveScreenshot(options.screenshotPath, app.getScreenWidth(), app.getScreenHeight(),
                        failure))
        failure = "Screenshot: " + failure;
    app.setRunning(false);
}

bool Session::finish(std::string& reason) {
    std::string problem;
    if (recorder && !recorder->finish(problem))
        reason = problem;
    if (!capture.finish(problem))
        reason = problem;
    if (!failure.empty())
        reason = failure;
    if (options.frames > 0 && framesDrawn < options.frames && failure.empty())
        reason = "the run ended after " + std::to_string(framesDrawn) + " of " +
                 std::to_string(options.frames) + " frames; no screenshot was taken";
    return reason.empty();
}
