#include "replay/VideoModule.h"

#include "platform/BuildConfig.h"
#include "platform/Platform.h"

#include <dlfcn.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
constexpr const char* MODULE_FILE = "libquillomer_video.so";
} // namespace

VideoModule::~VideoModule() {
    if (handle)
        dlclose(handle);
}

bool VideoModule::load(std::string& reason) {
    // Beside the program in a build folder; in its own folder once installed.
    const fs::path folder = programFolder();
    std::string tried;
    for (const fs::path& path : {folder / MODULE_FILE,
                                 (folder / MODULE_FROM_PROGRAM / MODULE_FILE).lexically_normal()}) {
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle)
            create = reinterpret_cast<decltype(create)>(dlsym(handle, NEW_VIDEO_WRITER));
        if (create)
            return true;
        if (handle)
            dlclose(handle);
        handle = nullptr;
        const char* why = dlerror();
        tried += std::string(tried.empty() ? "" : "; ") +
                 (why ? why : path.string() + ": not a video module");
    }
    reason = "cannot load the video module: " + tried;
    return false;
}

std::unique_ptr<VideoWriter> VideoModule::newWriter() const {
    return std::unique_ptr<VideoWriter>(create());
}
