// Progress of an offline export on stderr: frame k of n, the percentage and the frames made
// per second, on one line rewritten in place on a terminal, a line every few seconds otherwise.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

class ExportProgress {
public:
    /// Progress towards `total` frames of the file `name`.
    ExportProgress(std::string name, int64_t total);

    /// Says how far the export is, at most a few times a second.
    void update(int64_t done);
    /// Says the export ended after `done` frames, and how long it took.
    void finish(int64_t done);

private:
    void print(int64_t done, const char* ending);

    using Clock = std::chrono::steady_clock;
    std::string name;
    int64_t total;
    bool terminal;
    Clock::time_point start = Clock::now();
    Clock::time_point lastPrint = start;
};
