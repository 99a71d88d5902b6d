// The browser build has no video module: an export of a video stops before it starts, saying
// where clips are made.
#include "export/VideoModule.h"

VideoModule::~VideoModule() = default;

bool VideoModule::load(const std::filesystem::path&, std::string& reason) {
    reason = "clips are made by the desktop program (quillomer w --replay FILE --video "
             "clip.mp4); this page cannot make them";
    return false;
}

std::unique_ptr<VideoWriter> VideoModule::newWriter() const { return nullptr; }
