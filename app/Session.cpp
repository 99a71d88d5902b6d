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
    if (replayer)
        attachReplay(app);
    else if (!attachLiveInput(app, reason))
        return false;
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
    app.setPassObserver([this] { capture.drain(SDL_GetTicks()); });
    return true;
}

bool Session::attachLiveInput(GameApp& app, std::string& reason) {
    InputSource* input = &window;
    if (options.autopilot) {
        // Not a tick reading of the run's clock: a recording holds only the readings the loop
        // takes.
        const uint32_t seed = options.seed.value_or(static_cast<uint32_t>(std::time(nullptr)));
        autopilot = std::make_unique<AutopilotInput>(
            AutopilotPath(seed, WINDOW_WIDTH, WINDOW_HEIGHT), MODE_BUTTONS, *input);
        input = autopilot.get();
    }
    if (!options.recordPath.empty()) {
        recorder = std::make_unique<InputRecorder>(*input);
        if (!recorder->open(options.recordPath, reason))
            return false;
        input = recorder.get();
    }
    app.setInput(*input);
    return true;
}

void Session::attachReplay(GameApp& app) {
    if (!exporter) {
        app.setInput(*replayer);
        return;
    }
    app.setSoundDevice(false);
    exportingReplay = std::make_unique<ExportingReplay>(*replayer, *exporter, app);
    app.setInput(*exportingReplay);
    app.setFrameObserver([output = exporter.get()] { output->pictureDrawn(); });
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
