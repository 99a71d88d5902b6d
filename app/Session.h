// What the command-line options add to a run: a fixed seed, recording or replaying the
// input, a screenshot after a number of frames, and a WAV copy of the sound.
#pragma once

#include "app/CommandLine.h"
#include "app/InputRecorder.h"
#include "app/InputReplayer.h"
#include "sound/AudioCapture.h"

#include <memory>
#include <string>

class GameApp;

class Session {
public:
    explicit Session(CommandLine options);

    /// Loads a recording to replay (before any window opens); false with a reason.
    bool prepare(std::string& reason);
    /// Installs the options into the application before its init: time, input, seed,
    /// frame and pass observers, and the sound capture; false with a reason.
    bool attach(GameApp& app, std::string& reason);
    /// Finishes the recording, the capture and the screenshot check after the run;
    /// false with a reason if any of them failed.
    bool finish(std::string& reason);

private:
    void onFrame(GameApp& app);

    CommandLine options;
    std::unique_ptr<InputRecorder> recorder;
    std::unique_ptr<InputReplayer> replayer;
    AudioCapture capture;
    int framesDrawn = 0;
    std::string failure;
};
