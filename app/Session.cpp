#include "app/Session.h"

#include "app/GameApp.h"
#include "screens/GameState.h"
#include "platform/WindowSize.h"
#include "render/Screenshot.h"
#include "screens/PanelLayout.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
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
    if (!options.recordPath.empty()) {
        // Created now, so that a path that cannot be written stops the run before it starts.
        recordingFile = openFile(options.recordPath, "wb");
        if (!recordingFile) {
            reason = "cannot create " + options.recordPath + ": " + std::strerror(errno);
            return false;
        }
    }
    return options.replayPath.empty() || prepareReplay(reason);
}

std::string Session::replayName() const { return InputRecording::nameOf(options.replayPath); }

bool Session::prepareReplay(std::string& reason) {
    if (!InputRecording::load(options.replayPath, replayed, reason))
        return false;
    if (replayed.carriesStart()) {
        if (options.seed && *options.seed != replayed.start.particleSeed) {
            reason = replayName() + " carries its own seeds: replay it without --seed";
            return false;
        }
        if (!options.replaySavesPath.empty())
            replaySaves = std::make_unique<StateFileStore>(options.replaySavesPath);
        replayStore = std::make_unique<ReplayStateStore>(
            replayed.stateAccesses, workingFolder,
            replaySaves ? replaySaves.get() : &workingFolder);
    } else if (options.playOn) {
        reason = replayName() + " is an old recording, which does not carry its start: "
                 "only a new one can be played on from";
        return false;
    }
    replayer = std::make_unique<InputReplayer>(replayed);
    if (options.videoPath.empty() && options.wavPath.empty())
        return true;
    // A replayed run's sound and pictures are rendered offline, at the recording's instants.
    exporter = std::make_unique<ReplayExport>(
        ClipTimeline(replayer->firstTicks(), replayer->finalTicks()));
    return exporter->open(options.videoPath, options.wavPath, reason);
}

bool Session::attach(GameApp& app, std::string& reason) {
    InputSource* input = replayer ? replayInput(app) : liveInput();
    StateStore* store = replayStore ? static_cast<StateStore*>(replayStore.get()) : &workingFolder;
    if (options.seed)
        app.setSeed(*options.seed);
    if (replayStore)
        app.setSeeds(replayed.start.particleSeed, replayed.start.tintSeed);
    if (recordingFile || options.share) {
        input = record(app, *input, *store);
        store = recordingStore.get();
    }
    app.setInput(*input);
    app.setStateStore(*store);
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
        if (jamCutPending)
            cutJam(app);
    });
    return true;
}

void Session::started(GameApp& app) {
    GameState* screen = app.simulationScreen();
    if (!screen)
        return;
    if (replayStore)
        screen->adopt(replayed.start.settings);
    if (recorder && !replayStore)
        recorder->recording().start.settings = screen->runSettings(false);
}

InputSource* Session::liveInput() {
    if (!options.autopilot)
        return &window;
    // Not a tick reading of the run's clock: a recording holds only the readings the loop takes.
    const uint32_t seed = options.seed.value_or(static_cast<uint32_t>(std::time(nullptr)));
    autopilot = std::make_unique<AutopilotInput>(AutopilotPath(seed, WINDOW_WIDTH, WINDOW_HEIGHT),
                                                 MODE_BUTTONS, window);
    return autopilot.get();
}

InputSource* Session::replayInput(GameApp& app) {
    if (options.playOn) {
        handOver = std::make_unique<HandOverInput>(*replayer, window,
                                                   [this] { replayStore->handOver(); });
        return handOver.get();
    }
    if (!exporter)
        return replayer.get();
    app.setSoundDevice(false);
    exportingReplay = std::make_unique<ExportingReplay>(*replayer, *exporter, app);
    app.setFrameObserver([output = exporter.get()] { output->pictureDrawn(); });
    return exportingReplay.get();
}

InputSource* Session::record(GameApp& app, InputSource& input, StateStore& store) {
    recorder = std::make_unique<InputRecorder>(input);
    InputRecording::Start& start = recorder->recording().start;
    if (replayStore) {
        // Played on from a replay: the jam goes on from the replayed one's start.
        start = replayed.start;
    } else {
        // A recording carries its seeds: they are fixed before the run takes any reading.
        start.particleSeed = start.tintSeed = options.seed.value_or(SDL_GetTicks());
        app.setSeed(start.particleSeed);
    }
    recordingStore = std::make_unique<RecordingStateStore>(store, *recorder);
    if (options.share) {
        sharingSession = this;
        app.setFieldClearedObserver([this] { jamCutPending = true; });
    }
    return recorder.get();
}

void Session::cutJam(GameApp& app) {
    jamCutPending = false;
    const GameState* screen = app.simulationScreen();
    if (!screen)
        return;
    // The jam starts over from the field just cleared, with the settings as they are. Its
    // replay enters the simulation screen as any run does: that first read of state.dat
    // finds none, and then the settings give the field.
    InputRecording::Start start = recorder->recording().start;
    start.settings = screen->runSettings(true);
    recorder->restart(start);
    InputRecording::StateAccess none;
    none.outcome = InputRecording::StateAccess::Outcome::Missing;
    recorder->noteStateAccess(none);
}

bool Session::passDue(int passesRun) {
    if (exporter && !exporter->ready())
        return false;
    if (!handOver || handOver->live() || replayer->usedUp())
        return passesRun == 0;
    // A replay the player goes on from is shown at its recorded pace.
    const Uint32 now = SDL_GetTicks();
    if (!paceStarted) {
        paceStarted = true;
        paceStart = now;
        paceOrigin = replayer->upcomingReading();
    }
    return passesRun < MAX_PASSES_AT_ONCE &&
           replayer->upcomingReading() - paceOrigin <= now - paceStart;
}

Session* Session::sharing() { return sharingSession; }

std::string Session::jamLink(const std::string& page) {
    return recorder->recording().link(page);
}

Uint32 Session::jamMilliseconds() {
    const InputRecording& jam = recorder->recording();
    return jam.finalTicks() - jam.firstTicks();
}

bool Session::writeJam(const std::string& path, std::string& reason) {
    const std::vector<uint8_t> bytes = recorder->recording().encode();
    FileHandle file = openFile(path, "wb");
    if (file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
        closeChecked(file))
        return true;
    reason = "cannot write " + path + ": " + std::strerror(errno);
    return false;
}

bool Session::replaying() const { return handOver && !handOver->live(); }

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

bool Session::finishRecording(std::string& reason) {
    const std::vector<uint8_t> bytes = recorder->recording().encode();
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), recordingFile.get()) == bytes.size();
    if (written && closeChecked(recordingFile))
        return true;
    reason = "cannot write " + options.recordPath + ": " + std::strerror(errno);
    return false;
}

std::string Session::replayProblem() const {
    if (!replayer)
        return "";
    if (replayer->outOfStep()) {
        const std::string hint = replayed.carriesStart()
                                     ? ""
                                     : " (an old recording replays only with the --seed it was "
                                       "made with, or without --seed if it was made without)";
        return "cannot replay " + replayName() + ": the run left the recorded one after " +
               std::to_string(replayer->lastReading() - replayer->firstTicks()) + " ms" + hint;
    }
    return replayStore ? replayStore->problem() : "";
}

bool Session::finish(GameApp& app, std::string& reason) {
    std::string problem;
    if (recordingFile && !finishRecording(problem))
        reason = problem;
    const std::string replayFault = replayProblem();
    if (!replayFault.empty())
        reason = replayFault;
    if (!capture.finish(problem))
        reason = problem;
    if (exporter && (replayer->stoppedEarly() || !replayFault.empty())) {
        exporter->abandon();
        const std::string both = options.videoPath.empty() || options.wavPath.empty() ? "" : " or ";
        const std::string cause = replayFault.empty()
                                      ? "stopped before the end of " + replayName()
                                      : replayFault;
        reason = cause + "; nothing was written to " + options.videoPath + both +
                 options.wavPath;
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
