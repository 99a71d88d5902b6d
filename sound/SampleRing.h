// A lock-free ring of 16-bit samples for one producer (the audio thread) and one consumer
// (the main thread). Neither side ever blocks: a full ring drops what does not fit.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstddef>
#include <vector>

class SampleRing {
public:
    /// Room for `capacity` samples; rounded up to a power of two.
    explicit SampleRing(size_t capacity);

    /// Audio thread: appends up to `count` samples; returns how many fitted.
    size_t push(const Sint16* samples, size_t count);
    /// Main thread: takes up to `count` samples; returns how many were taken.
    size_t pop(Sint16* samples, size_t count);
    /// Samples dropped because the ring was full.
    size_t dropped() const { return droppedCount.load(std::memory_order_relaxed); }

private:
    std::vector<Sint16> buffer;
    size_t mask;
    std::atomic<size_t> head{0}; ///< next write position, owned by the producer
    std::atomic<size_t> tail{0}; ///< next read position, owned by the consumer
    std::atomic<size_t> droppedCount{0};
};
