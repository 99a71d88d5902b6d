#include "platform/ErrorBox.h"

#include <windows.h>

#include <cstdlib>

// A message box waits for a click that a test run without a user never gives: the tests set
// QUILLOMER_ERRORS_TO_STDERR to have the report written to stderr instead.
void showErrorBox(const char* caption, const char* text) {
    if (std::getenv("QUILLOMER_ERRORS_TO_STDERR")) {
        printErrorLine(caption, text);
        return;
    }
    MessageBoxA(nullptr, text, caption, MB_OK | MB_ICONEXCLAMATION);
}
