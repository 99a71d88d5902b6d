// The Windows build has no video module (FFmpeg is not built for it): an export of a video
// stops before it starts, saying so.
#include "export/VideoModule.h"

VideoModule::~VideoModule() = default;

bool VideoModule::load(const std::filesystem::path&, std::string& reason) {
    reason = "this Windows build cannot export videos (--wav records the sound)";
    return false;
}

std::unique_ptr<VideoWriter> VideoModule::newWriter() const { return nullptr; }
