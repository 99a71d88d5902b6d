// A lock-free ring of 16-bit samples for one producer (the audio thread) and one consumer
// (the main thread). Neither side ever blocks: a full ring loses what does not fit, and the
// pushes that find room again put as much silence first, so every later sample keeps its
// place in time.
#pragma once

#include <SDL.h>

#include <atomic>
#include <cstddef>
#include <vector>

class SampleRing {
public:
    /// Room for `capacity` samples; rounded up to a power of two.
    explicit SampleRing(size_t capacity);

    /// Audio thread: appends the silence owed for lost samples, then up to `count` samples;
    /// returns how many of `samples` fitted (the rest are lost and owed as silence).
    size_t push(const Sint16* samples, size_t count);
    /// Main thread: takes up to `count` samples; returns how many were taken.
    size_t pop(Sint16* samples, size_t count);
    /// Samples lost because the ring was full, silent in the stream or still owed.
    size_t lost() const { return lostCount.load(std::memory_order_relaxed); }
    /// Silence owed for lost samples that found no room yet. Read it only when the producer
    /// has stopped (after a lock that orders it after the last push).
    size_t owedSilence() const { return owed; }

private:
    size_t room(size_t write) const;
    void fill(size_t write, const Sint16* samples, size_t count);

    std::vector<Sint16> buffer;
    size_t mask;
    std::atomic<size_t> head{0}; ///< next write position, owned by the producer
    std::atomic<size_t> tail{0}; ///< next read position, owned by the consumer
    std::atomic<size_t> lostCount{0};
    size_t owed = 0; ///< owned by the producer
};
