#include "sound/SampleRing.h"

#include <algorithm>

namespace {
size_t powerOfTwoAtLeast(size_t value) {
    size_t power = 1;
    while (power < value)
        power <<= 1;
    return power;
}
} // namespace

SampleRing::SampleRing(size_t capacity)
    : buffer(powerOfTwoAtLeast(capacity)), mask(buffer.size() - 1) {}

size_t SampleRing::room(size_t write) const {
    return buffer.size() - (write - tail.load(std::memory_order_acquire));
}

void SampleRing::fill(size_t write, const Sint16* samples, size_t count) {
    for (size_t i = 0; i < count; ++i)
        buffer[(write + i) & mask] = samples ? samples[i] : 0;
}

size_t SampleRing::push(const Sint16* samples, size_t count) {
    size_t write = head.load(std::memory_order_relaxed);
    size_t free = room(write);
    const size_t silence = std::min(owed, free);
    fill(write, nullptr, silence);
    write += silence;
    free -= silence;
    owed -= silence;
    // While silence is still owed, new samples would come out ahead of their time.
    const size_t taken = owed > 0 ? 0 : std::min(count, free);
    fill(write, samples, taken);
    head.store(write + taken, std::memory_order_release);
    if (taken < count) {
        owed += count - taken;
        lostCount.fetch_add(count - taken, std::memory_order_relaxed);
    }
    return taken;
}

size_t SampleRing::pop(Sint16* samples, size_t count) {
    const size_t read = tail.load(std::memory_order_relaxed);
    const size_t write = head.load(std::memory_order_acquire);
    const size_t taken = std::min(count, write - read);
    for (size_t i = 0; i < taken; ++i)
        samples[i] = buffer[(read + i) & mask];
    tail.store(read + taken, std::memory_order_release);
    return taken;
}
