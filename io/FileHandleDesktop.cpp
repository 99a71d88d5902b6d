#include "io/FileHandle.h"

#include <unistd.h>

FileHandle openFile(const std::string& path, const char* mode) {
    return FileHandle(std::fopen(path.c_str(), mode));
}

bool removeFile(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

bool hasFileAccess(const std::string& path, int mode) {
    return access(path.c_str(), mode) == 0;
}
