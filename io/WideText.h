// Text between the program's UTF-8 and the UTF-16 of Windows' wide API (file names, the
// command line, message boxes). Windows only.
#pragma once

#include <string>

/// The UTF-8 `text` in UTF-16; invalid bytes become U+FFFD.
std::wstring wideText(const std::string& text);

/// The UTF-16 `text` in UTF-8.
std::string utf8Text(const std::wstring& text);
