// Renders a replayed run offline into a video with sound and/or a WAV file, at the instants
// of the recording's clock (see ClipTimeline) whatever the machine's speed.
//
// The main loop replays the run as usual. Before it takes each tick reading, every video frame
// and sound buffer whose instant lies before that reading is made from the run as it stands:
// - a frame is the picture the program drew last, as the screen showed it then (every pass
//   that steps also draws, so it holds every step done by then; the window is never read
//   between draws, so the brush circle shows exactly in the frames it was drawn in);
// - a buffer is what the synthesiser plays from the sound controls as they are, closing their
//   gate after it exactly as the audio device's callback does; while no sound plays (before
//   the simulation screen starts, or paused with s) the buffer is silent.
// Frames and buffers still due after the last reading are made from the run's final state.
// The video is encoded on a thread of its own (EncoderThread) while the run goes on.
#pragma once

#include "export/ClipTimeline.h"
#include "export/EncoderThread.h"
#include "export/ExportProgress.h"
#include "export/VideoModule.h"
#include "sound/Synthesizer.h"
#include "sound/WavWriter.h"

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class SoundControls;

class ReplayExport {
public:
    /// An export along `timeline`.
    explicit ReplayExport(ClipTimeline timeline);
    /// Gives up what was not finished: no file is left under the output names.
    ~ReplayExport();
    ReplayExport(const ReplayExport&) = delete;
    ReplayExport& operator=(const ReplayExport&) = delete;

    /// Creates the outputs before any work: the video if `videoPath` is not empty, the WAV
    /// file if `wavPath` is not; false with a reason naming the file.
    bool open(const std::string& videoPath, const std::string& wavPath, std::string& reason);
    /// Keeps the picture the program has just drawn.
    void pictureDrawn();
    /// Makes every frame and buffer due before the tick reading `ticks`, the buffers played
    /// from `sound` (null while no sound plays); false once writing has failed (finish then
    /// says why).
    bool advanceTo(Uint32 ticks, SoundControls* sound);
    /// Whether the video takes more pictures now (the browser's encoder may be behind).
    bool ready() { return !video || video->ready(); }
    /// Makes what is still due (the sound from `sound`) and completes the files; false with a
    /// reason if writing failed.
    bool finish(SoundControls* sound, std::string& reason);
    /// Gives the export up (the run was stopped): no file is left under the output names.
    void abandon();

private:
    bool addFrame();
    bool addBuffer(SoundControls* sound);

    ClipTimeline timeline;
    VideoModule videoModule;
    std::unique_ptr<VideoWriter> video;   ///< made by the module, so destroyed before it
    std::optional<EncoderThread> encoder; ///< feeds the video, so stopped before it goes
    std::optional<WavWriter> wav;
    std::optional<ExportProgress> progress;
    Synthesizer synthesizer;
    int64_t frames = 0;
    int64_t buffers = 0;
    int64_t soundFrames = 0;
    std::string failure;
};
