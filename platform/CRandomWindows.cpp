// Windows' C library draws other rand() numbers than glibc too: the Windows build brings the
// browser build's copy of glibc's generator, so a recording draws the same tint everywhere.
#include "platform/CRandomWeb.cpp"
