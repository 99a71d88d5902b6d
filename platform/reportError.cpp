#include "platform/reportError.h"

#include "platform/ErrorBox.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

void reportError(const char* caption, const char* format, ...) {
    char text[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    showErrorBox(caption, text);
}

void printErrorLine(const char* caption, const char* text) {
    // One line per report: a trailing line break of the text is not repeated.
    const size_t length = std::strlen(text);
    const char* newline = (length > 0 && text[length - 1] == '\n') ? "" : "\n";
    std::fprintf(stderr, "%s: %s%s", caption, text, newline);
    std::fflush(stderr);
}
