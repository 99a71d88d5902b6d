// The modal error box the whole program uses for fatal and non-fatal problems.
#pragma once

/// Formats a message with the printf rules (at most 1023 characters) and shows it under a
/// caption: a modal message box on Windows, one line "caption: text" on stderr elsewhere.
void reportError(const char* caption, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;
