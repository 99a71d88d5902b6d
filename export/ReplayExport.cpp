#include "export/ReplayExport.h"

#include "io/FileHandle.h"
#include "platform/Platform.h"
#include "platform/WindowSize.h"
#include "render/Screenshot.h"
#include "sound/SoundControls.h"

#include <algorithm>
#include <cstdio>

ReplayExport::ReplayExport(ClipTimeline clipTimeline) : timeline(clipTimeline) {}

ReplayExport::~ReplayExport() { abandon(); }

bool ReplayExport::open(const std::string& videoPath, const std::string& wavPath,
                        std::string& reason) {
    if (!videoPath.empty()) {
        if (!videoModule.load(programFolder(), reason))
            return false;
        video = videoModule.newWriter();
        if (!video->open(videoPath, WINDOW_WIDTH, WINDOW_HEIGHT, reason))
            return false;
        // Black until the program first draws, as its window was.
        encoder.emplace(*video, static_cast<size_t>(WINDOW_WIDTH) * WINDOW_HEIGHT * 3);
        progress.emplace(videoPath, timeline.frameCount());
    }
    if (!wavPath.empty() && !wav.emplace().open(wavPath, reason)) {
        wav.reset(); // nothing of ours is there to remove
        abandon();
        return false;
    }
    return true;
}

void ReplayExport::pictureDrawn() {
    if (encoder)
        encoder->setPicture(
            [](uint8_t* rgb) { readScreenPixels(WINDOW_WIDTH, WINDOW_HEIGHT, rgb); });
}

bool ReplayExport::advanceTo(Uint32 ticks, SoundControls* sound) {
    const int64_t framesDue = video ? timeline.framesBefore(ticks) : 0;
    while (failure.empty() && frames < framesDue)
        addFrame();
    const int64_t buffersDue = timeline.buffersBefore(ticks);
    while (failure.empty() && buffers < buffersDue)
        addBuffer(sound);
    if (progress)
        progress->update(frames);
    return failure.empty();
}

bool ReplayExport::addFrame() {
    ++frames;
    return encoder->addPicture(failure);
}

bool ReplayExport::addBuffer(SoundControls* sound) {
    ++buffers;
    Sint16 samples[ClipTimeline::BUFFER_FRAMES * 2] = {};
    if (sound)
        synthesizer.play(*sound, samples, ClipTimeline::BUFFER_FRAMES);
    // The last buffer is cut where the video ends.
    const int count = static_cast<int>(
        std::min<int64_t>(ClipTimeline::BUFFER_FRAMES, timeline.soundFrameCount() - soundFrames));
    soundFrames += count;
    if (encoder && !encoder->addSound(samples, count, failure))
        return false;
    if (wav && !wav->append(samples, static_cast<size_t>(count) * 2))
        failure = wav->getPath() + ": cannot write the sound";
    return failure.empty();
}

bool ReplayExport::finish(SoundControls* sound, std::string& reason) {
    while (failure.empty() && frames < (video ? timeline.frameCount() : 0))
        addFrame();
    while (failure.empty() && buffers < timeline.bufferCount())
        addBuffer(sound);
    if (progress)
        progress->finish(frames);
    if (failure.empty() && encoder && encoder->drain(failure))
        video->finish(failure);
    if (failure.empty() && wav)
        wav->close(failure);
    if (!failure.empty()) {
        reason = failure;
        abandon();
        return false;
    }
    encoder.reset();
    video.reset(); // both files are whole: nothing is left to give up
    wav.reset();
    return true;
}

void ReplayExport::abandon() {
    encoder.reset(); // stops feeding the video before it goes
    video.reset();   // an unfinished video removes its temporary file
    if (wav) {
        std::string ignored;
        wav->close(ignored);
        removeFile(wav->getPath());
        wav.reset();
    }
}
