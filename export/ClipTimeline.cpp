#include "export/ClipTimeline.h"

#include <algorithm>

namespace {
/// How many instants n * step (n = 0, 1, ...) lie before `elapsed` milliseconds, for a step
/// of `stepNumerator / stepDenominator` seconds.
int64_t instantsBefore(int64_t elapsed, int64_t stepNumerator, int64_t stepDenominator) {
    // n * stepNumerator * 1000 < elapsed * stepDenominator
    const int64_t step = stepNumerator * 1000;
    return (elapsed * stepDenominator + step - 1) / step;
}
} // namespace

ClipTimeline::ClipTimeline(Uint32 firstTicks, Uint32 lastTicks)
    : first(firstTicks), frames(elapsed(lastTicks) * FRAME_RATE / 1000 + 1) {}

int64_t ClipTimeline::elapsed(Uint32 ticks) const {
    return std::max<int64_t>(0, static_cast<int64_t>(ticks) - first);
}

int64_t ClipTimeline::bufferCount() const {
    return (soundFrameCount() + BUFFER_FRAMES - 1) / BUFFER_FRAMES;
}

int64_t ClipTimeline::framesBefore(Uint32 ticks) const {
    return std::min(frames, instantsBefore(elapsed(ticks), 1, FRAME_RATE));
}

int64_t ClipTimeline::buffersBefore(Uint32 ticks) const {
    return std::min(bufferCount(), instantsBefore(elapsed(ticks), BUFFER_FRAMES, SAMPLE_RATE));
}
