// What the command-line options add to a run: a fixed seed, the autopilot, recording or
// replaying the input, a screenshot after a number of frames, a WAV copy of the sound, and the offline
// export of a replay into a video and/or a WAV file.
#pragma once

#include "app/CommandLine.h"
#include "app/ExportingReplay.h"
#include "app/RecordingStateStore.h"
#include "app/ReplayStateStore.h"
#include "export/ReplayExport.h"
#include "input/AutopilotInput.h"
#include "input/HandOverInput.h"
#include "input/InputRecorder.h"
#include "input/InputReplayer.h"
#include "input/WindowInput.h"
#include "io/FileHandle.h"
#include "screens/StateFileStore.h"
#include "sound/AudioCapture.h"

#include <memory>
#include <string>

class GameApp;

class Session {
public:
    explicit Session(CommandLine options);

    /// Loads a recording to replay and creates the recording's and the export's files (before
    /// any window opens); false with a reason.
    bool prepare(std::string& reason);
    /// Installs the options into the application before its init: its input source, seeds,
    /// "state.dat" store, frame and pass observers, and the sound capture or export; false
    /// with a reason.
    bool attach(GameApp& app, std::string& reason);
    /// After the application's init: a replay takes the settings it recorded, a recording notes
    /// those the run starts with.
    void started(GameApp& app);
    /// Whether the main loop is to run another pass now, after `passesRun` in this turn: one a
    /// turn, but a replay the player goes on from runs the passes its recording holds up to now.
    bool passDue(int passesRun);
    /// Finishes the recording, the capture, the export and the screenshot check after the
    /// run of `app`; false with a reason if any of them failed.
    bool finish(GameApp& app, std::string& reason);

    /// The session that keeps its jam for a link (--share); null if none.
    static Session* sharing();
    /// A link to `page` carrying the jam: from the start or the last clear of the field.
    std::string jamLink(const std::string& page);
    /// How long the jam is, from its first tick reading to its last.
    Uint32 jamMilliseconds();
    /// Writes the jam as a recording file; false with a reason naming it.
    bool writeJam(const std::string& path, std::string& reason);
    /// Whether a replay the player goes on from is still playing.
    bool replaying() const;

private:
    /// The most passes a turn of the main loop runs to catch up with a replay's pace.
    static constexpr int MAX_PASSES_AT_ONCE = 240;
    static inline Session* sharingSession = nullptr;

    bool prepareReplay(std::string& reason);
    /// The recording replayed, as messages name it: its file, or "the link".
    std::string replayName() const;
    InputSource* liveInput();
    InputSource* replayInput(GameApp& app);
    InputSource* record(GameApp& app, InputSource& input, StateStore& store);
    void cutJam(GameApp& app);
    void onFrame(GameApp& app);
    bool finishRecording(std::string& reason);
    std::string replayProblem() const;

    CommandLine options;
    /// "state.dat" in the working folder.
    StateFileStore workingFolder;
    /// A live run's input: the window, played over by the autopilot, recorded by the recorder.
    WindowInput window;
    std::unique_ptr<AutopilotInput> autopilot;
    std::unique_ptr<InputRecorder> recorder;
    std::unique_ptr<RecordingStateStore> recordingStore;
    FileHandle recordingFile;
    /// A replayed run's input, with the export made along it.
    InputRecording replayed;
    std::unique_ptr<InputReplayer> replayer;
    std::unique_ptr<StateFileStore> replaySaves;
    std::unique_ptr<ReplayStateStore> replayStore;
    std::unique_ptr<HandOverInput> handOver;
    bool paceStarted = false;
    Uint32 paceStart = 0;
    Uint32 paceOrigin = 0;
    bool jamCutPending = false;
    std::unique_ptr<ReplayExport> exporter;
    std::unique_ptr<ExportingReplay> exportingReplay;
    AudioCapture capture;
    int framesDrawn = 0;
    std::string failure;
};
