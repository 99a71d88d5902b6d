#include "app/Session.h"

#include "app/GameApp.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"
#include "render/Screenshot.h"
#include "screens/PanelLayout.h"

#include <cstdio>
#include <ctime>
#include <vector>

namespace {
/// Where the autopilot presses the panel's mode buttons: their centres.
constexpr AutopilotInput::PanelButtons MODE_BUTTONS{
    PanelLayout::GRADIENT_MODE.x + PanelLayout::BUTTON_WIDTH / 2,
    PanelLayout::GRADIENT_MODE.y + PanelLayout::BUTTON_HEIGHT / 2,
    PanelLayout::PARTICLE_MODE.x + PanelLayout::BUTTON_WIDTH / 2,
    PanelLayout::PARTICLE_MODE.y + PanelLayout::BUTTON_HEIGHT / 2};
} // namespace

Session::Session(CommandLine commandLine) : options(std::move(commandLine)) {}

bool Session::prepare(std::string& reason) {
    if (options.replayPath.empty())
        return true;
    std::vector<InputRecording::Entry> entries;
    if (!InputRecording::load(options.replayPath, entries, reason))
        return false;
    replayer = std::make_unique<InputReplayer>(std::move(entries));
    if (options.videoPath.empty() && options.wavPath.empty())
        return true;
    // A replayed run's sound and pictures are rendered offline, at the recording's instants.
    exporter = std::make_unique<ReplayExport>(
        ClipTimeline(replayer->firstTicks(), replayer->finalTicks()));
    return exporter->open(options.videoPath, options.wavPath, reason);
}

bool Session::attach(GameApp& app, std::string& reason) {
    if (replayer) {
        attachReplay(app);
    } else {
        attachLiveInput(app);
        if (!options.recordPath.empty()) {
            recorder = std::make_unique<InputRecorder>(input);
            if (!recorder->open(options.recordPath, reason))
                return false;
            InputRecorder* record = recorder.get();
            app.setTimeSource([record] { return record->ticks(); }, waitMilliseconds);
            input = [record](SDL_Event& event) { return record->poll(event); };
        }
        app.setInputSource(input, keyboardState);
    }
    if (options.seed)
        app.setSeed(*options.seed);
    app.setFrameLimit(options.fps);
    if (options.screensaver && !options.sound)
        app.setSoundDevice(false);
    if (options.screensaver)
        app.setNoticesShown(false);
    if (options.frames > 0)
        app.setFrameObserver([this, &app] { onFrame(app); });
    if (!exporter && !options.wavPath.empty() && !capture.start(options.wavPath, reason))
        return false;
    app.setPassObserver([this, &app] {
        capture.drain(SDL_GetTicks());
        if (replayer && replayer->finished())
            app.setRunning(false);
    });
    return true;
}

void Session::attachReplay(GameApp& app) {
    InputReplayer* replay = replayer.get();
    app.setInputSource([replay](SDL_Event& event) { return replay->poll(event); },
                       [replay] { return replay->keyState(); });
    if (!exporter) {
        app.setTimeSource([replay] { return replay->ticks(); }, [](Uint32) {});
        return;
    }
    app.setSoundDevice(false);
    ReplayExport* output = exporter.get();
    // Before the run takes a reading, everything due before that instant is made.
    app.setTimeSource(
        [replay, output, &app] {
            if (!output->advanceTo(replay->peekTicks(), app.playingSound()))
                app.setRunning(false);
            return replay->ticks();
        },
        [](Uint32) {});
    app.setFrameObserver([output] { output->pictureDrawn(); });
}

void Session::onFrame(GameApp& app) {
    if (++framesDrawn != options.frames)
        return;
    if (!saveScreenshot(options.screenshotPath, app.getScreenWidth(), app.getScreenHeight(),
                        failure))
        failure = "Screenshot: " + failure;
    else if (replayer)
        // Where the picture lies on the recording's clock, as an export counts it.
        std::fprintf(stderr, "quillomer: %s: frame %d, drawn at %u ms of the recording\n",
                     options.screenshotPath.c_str(), framesDrawn,
                     replayer->lastReading() - replayer->firstTicks());
    app.setRunning(false);
}

bool Session::finish(GameApp& app, std::string& reason) {
    std::string problem;
    if (recorder && !recorder->finish(problem))
        reason = problem;
    if (!capture.finish(problem))
        reason = problem;
    if (exporter && replayer->stoppedEarly()) {
        exporter->abandon();
        const std::string both = options.videoPath.empty() || options.wavPath.empty() ? "" : " or ";
        reason = "stopped before the end of " + options.replayPath + "; nothing was written to " +
                 options.videoPath + both + options.wavPath;
    } else if (exporter && !exporter->finish(app.playingSound(), problem)) {
        reason = problem;
    }
    if (!failure.empty())
        reason = failure;
    if (options.frames > 0 && framesDrawn < options.frames && failure.empty())
        reason = "the run ended after " + std::to_string(framesDrawn) + " of " +
                 std::to_string(options.frames) + " frames; no screenshot was taken";
    return reason.empty();
}

void Session::attachLiveInput(GameApp& app) {
    input = [&app](SDL_Event& event) { return app.pollWindow(event); };
    if (!options.autopilot)
        return;
    // Not a tick reading of the run's clock: a recording holds only the readings the loop takes.
    const uint32_t seed = options.seed.value_or(static_cast<uint32_t>(std::time(nullptr)));
    autopilot = std::make_unique<AutopilotInput>(
        AutopilotPath(seed, WINDOW_WIDTH, WINDOW_HEIGHT), MODE_BUTTONS, input,
        [&app] { return app.getSteps(); });
    AutopilotInput* hand = autopilot.get();
    input = [hand](SDL_Event& event) { return hand->poll(event); };
}
