#include "platform/ErrorBox.h"

#include "io/WideText.h"

#include <windows.h>

#include <cstdlib>

// The texts are UTF-8 (file names hold any letter), which only the wide message box shows
// right. A message box waits for a click that a test run without a user never gives: the
// tests set QUILLOMER_ERRORS_TO_STDERR to have the report written to stderr instead.
void showErrorBox(const char* caption, const char* text) {
    if (std::getenv("QUILLOMER_ERRORS_TO_STDERR")) {
        printErrorLine(caption, text);
        return;
    }
    MessageBoxW(nullptr, wideText(text).c_str(), wideText(caption).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}
