// How reportError shows a formatted report; each platform has its own source file.
#pragma once

/// Shows the report: a modal message box on Windows, a line on stderr elsewhere.
void showErrorBox(const char* caption, const char* text);

/// Writes the report as one line "caption: text" on stderr.
void printErrorLine(const char* caption, const char* text);
