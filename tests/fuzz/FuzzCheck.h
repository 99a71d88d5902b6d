// The fuzz targets' own checks: a broken promise prints what was expected and aborts, which
// libFuzzer reports as a crash with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void require(bool condition, const char* promise) {
    if (condition)
        return;
    std::fprintf(stderr, "broken promise: %s\n", promise);
    std::abort();
}
