#include "app/VideoModule.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace {
/// The folder the running program was started from.
std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string program(path, length > 0 ? static_cast<size_t>(length) : 0);
    const size_t slash = program.rfind('/');
    return slash == std::string::npos ? "." : program.substr(0, slash);
}
} // namespace

VideoModule::~VideoModule() {
    if (handle)
        dlclose(handle);
}

bool VideoModule::load(std::string& reason) {
    const std::string path = programFolder() + "/libquillomer_video.so";
    handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle)
        create = reinterpret_cast<decltype(create)>(dlsym(handle, NEW_VIDEO_WRITER));
    if (!create) {
        reason = std::string("cannot load the video module: ") + dlerror();
        return false;
    }
    return true;
}

std::unique_ptr<VideoWriter> VideoModule::newWriter() const {
    return std::unique_ptr<VideoWriter>(create());
}
