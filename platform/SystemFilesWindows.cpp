#include "platform/SystemFiles.h"

#include "io/WideText.h"

#include <windows.h>

namespace {
// The system's text for the last error, without its trailing line break.
std::string lastError() {
    const DWORD code = GetLastError();
    wchar_t text[512] = L"";
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, text, 512, nullptr);
    while (length > 0 &&
           (text[length - 1] == L'\n' || text[length - 1] == L'\r' || text[length - 1] == L' '))
        --length;
    return length > 0 ? utf8Text(std::wstring(text, length)) : "error " + std::to_string(code);
}
} // namespace

std::filesystem::path runningProgram() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Windows' rename does not replace an existing file; MoveFileEx does, and with write-through
// it returns only once the move is on the disk.
bool replaceFile(const std::string& source, const std::string& target, std::string& reason) {
    if (MoveFileExW(wideText(source).c_str(), wideText(target).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    reason = lastError();
    return false;
}
