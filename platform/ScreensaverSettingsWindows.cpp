#include "platform/ScreensaverSettings.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <memory>

namespace {
const wchar_t* const KEY = L"Software\\Quillomer\\Screensaver";

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using RegistryKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

// The DWORD `name` under the key, or `fallback` if it is not there.
DWORD readNumber(HKEY key, const wchar_t* name, DWORD fallback) {
    DWORD value = 0;
    DWORD size = sizeof value;
    return RegGetValueW(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
                   ERROR_SUCCESS
               ? value
               : fallback;
}

bool writeNumber(HKEY key, const wchar_t* name, DWORD value) {
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}
} // namespace

ScreensaverSettings ScreensaverSettings::load() {
    ScreensaverSettings settings;
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KEY, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return settings;
    const RegistryKey key(opened);
    settings.sound = readNumber(key.get(), L"Sound", 0) != 0;
    const int rate = static_cast<int>(readNumber(key.get(), L"FramesPerSecond", 0));
    if (std::find(std::begin(FRAME_RATES), std::end(FRAME_RATES), rate) != std::end(FRAME_RATES))
        settings.framesPerSecond = rate;
    return settings;
}

bool ScreensaverSettings::save() const {
    HKEY created = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KEY, 0, nullptr, 0, KEY_WRITE, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const RegistryKey key(created);
    return writeNumber(key.get(), L"Sound", sound ? 1 : 0) &&
           writeNumber(key.get(), L"FramesPerSecond", static_cast<DWORD>(framesPerSecond));
}
