// The C library's narrow file functions read a path in the ANSI code page, which cannot hold
// every letter (no code page holds Cyrillic and CJK at once); the wide ones take any path.
#include "io/FileHandle.h"

#include "io/WideText.h"

#include <io.h>

FileHandle openFile(const std::string& path, const char* mode) {
    return FileHandle(_wfopen(wideText(path).c_str(), wideText(mode).c_str()));
}

bool removeFile(const std::string& path) {
    return _wremove(wideText(path).c_str()) == 0;
}

bool hasFileAccess(const std::string& path, int mode) {
    return _waccess(wideText(path).c_str(), mode) == 0;
}
