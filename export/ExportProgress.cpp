#include "export/ExportProgress.h"

#include <unistd.h>

#include <cstdio>

ExportProgress::ExportProgress(std::string fileName, int64_t frames)
    : name(std::move(fileName)), total(frames), terminal(isatty(STDERR_FILENO) != 0) {}

void ExportProgress::update(int64_t done) {
    const auto interval = terminal ? std::chrono::milliseconds(250) : std::chrono::seconds(2);
    const Clock::time_point now = Clock::now();
    if (now - lastPrint < interval)
        return;
    lastPrint = now;
    print(done, terminal ? "\r" : "\n");
}

void ExportProgress::finish(int64_t done) { print(done, "\n"); }

void ExportProgress::print(int64_t done, const char* ending) {
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    const double percent = total > 0 ? 100.0 * static_cast<double>(done) / total : 100.0;
    std::fprintf(stderr, "quillomer: %s: frame %lld of %lld (%.0f%%), %.1f frames/s, %.1f s  %s",
                 name.c_str(), static_cast<long long>(done), static_cast<long long>(total),
                 percent, rate, seconds, ending);
    std::fflush(stderr);
}
