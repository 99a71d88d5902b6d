#include "sound/SampleRing.h"

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

size_t SampleRing::push(const Sint16* samples, size_t count) {
    const size_t write = head.load(std::memory_order_relaxed);
    const size_t read = tail.load(std::memory_order_acquire);
    const size_t room = buffer.size() - (write - read);
    const size_t taken = count < room ? count : room;
    for (size_t i = 0; i < taken; ++i)
        buffer[(write + i) & mask] = samples[i];
    head.store(write + taken, std::memory_order_release);
    if (taken < count)
        droppedCount.fetch_add(count - taken, std::memory_order_relaxed);
    return taken;
}

size_t SampleRing::pop(Sint16* samples, size_t count) {
    const size_t read = tail.load(std::memory_order_relaxed);
    const size_t write = head.load(std::memory_order_acquire);
    const size_t available = write - read;
    const size_t taken = count < available ? count : available;
    for (size_t i = 0; i < taken; ++i)
        samples[i] = buffer[(read + i) & mask];
    tail.store(read + taken, std::memory_order_release);
    return taken;
}
