#include "export/VideoModule.h"

#include "platform/BuildConfig.h"

#include <dlfcn.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {
constexpr const char* MODULE_FILE = "libquillomer_video.so";

// How to get a missing module: a build folder (CMake keeps its cache there, beside the
// program) builds it; an installed program has it in a package of its own.
std::string howToGetModule(const fs::path& programFolder) {
    std::error_code error;
    if (fs::exists(programFolder / "CMakeCache.txt", error))
        return std::string("--video needs the video module, which is not built: cmake --build ") +
               programFolder.string() + " --target quillomer_video";
    return "--video needs the video module, which is not installed: apt install quillomer-video";
}
} // namespace

VideoModule::~VideoModule() {
    if (handle)
        dlclose(handle);
}

bool VideoModule::load(const fs::path& folder, std::string& reason) {
    // Beside the program in a build folder; in its own folder once installed.
    std::string tried;
    for (const fs::path& path : {folder / MODULE_FILE,
                                 (folder / MODULE_FROM_PROGRAM / MODULE_FILE).lexically_normal()}) {
        std::error_code error;
        if (!fs::exists(path, error))
            continue;
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
    reason = tried.empty() ? howToGetModule(folder) : "cannot load the video module: " + tried;
    return false;
}

std::unique_ptr<VideoWriter> VideoModule::newWriter() const {
    return std::unique_ptr<VideoWriter>(create());
}
