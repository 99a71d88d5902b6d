#include "platform/ErrorBox.h"

void showErrorBox(const char* caption, const char* text) { printErrorLine(caption, text); }
