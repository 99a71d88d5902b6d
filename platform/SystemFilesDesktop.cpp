#include "platform/SystemFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

std::filesystem::path runningProgram() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

bool replaceFile(const std::string& source, const std::string& target, std::string& reason) {
    if (std::rename(source.c_str(), target.c_str()) == 0)
        return true;
    reason = std::strerror(errno);
    return false;
}
