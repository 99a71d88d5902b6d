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
    /// After the application's init: a recording notes the settings the run starts with, a
    /// replay takes those it recorded.
    void started(GameApp& app);
    /// Finishes the recording, the capture, the export and the screenshot check after the
    /// run of `app`; false with a reason if any of them failed.
    bool finish(GameApp& app, std::string& reason);

private:
    bool prepareReplay(std::string& reason);
    void attachReplay(GameApp& app);
    bool attachLiveInput(GameApp& app, std::string& reason);
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
    std::unique_ptr<ReplayStateStore> replayStore;
    std::unique_ptr<ReplayExport> exporter;
    std::unique_ptr<ExportingReplay> exportingReplay;
    AudioCapture capture;
    int framesDrawn = 0;
    std::string failure;
};
