// The video module (libquillomer_video.so, beside the program), loaded when an export needs
// it: only then are FFmpeg's libraries loaded, so every other run starts without them (and
// runs under Valgrind, which cannot run the start-up code of one of their dependencies).
#pragma once

#include "video/VideoWriter.h"

#include <filesystem>
#include <memory>
#include <string>

class VideoModule {
public:
    VideoModule() = default;
    /// Unloads the module; every writer it made must be gone by then.
    ~VideoModule();
    VideoModule(const VideoModule&) = delete;
    VideoModule& operator=(const VideoModule&) = delete;

    /// Loads the module for the program lying in `programFolder`; false with a reason: how to
    /// get the module when it is not there (its package, or the build step in a build folder),
    /// else why the file found could not be loaded.
    bool load(const std::filesystem::path& programFolder, std::string& reason);
    /// A new, unopened video writer (after a successful load).
    std::unique_ptr<VideoWriter> newWriter() const;

private:
    // Unused where no module can be loaded (the browser, Windows).
    [[maybe_unused]] void* handle = nullptr;
    [[maybe_unused]] decltype(&quillomerNewVideoWriter) create = nullptr;
};
