// What the synthesiser plays, published by the main thread and read by the audio thread
// without locks: a gate that motion opens and every buffer closes, the note and the loudness.
#pragma once

#include <atomic>

class SoundControls {
public:
    /// Main thread: the note (octaves above 110 Hz) and loudness (0..1) to play.
    void setVoice(float note, float amplitude) {
        currentNote.store(note, std::memory_order_relaxed);
        currentAmplitude.store(amplitude, std::memory_order_relaxed);
    }
    /// Main thread: a motion happened, so the next buffer swells.
    void openGate() { gate.store(true, std::memory_order_relaxed); }

    /// Audio thread: whether a motion happened since the last buffer.
    bool gateOpen() const { return gate.load(std::memory_order_relaxed); }
    /// Audio thread: called after each buffer.
    void closeGate() { gate.store(false, std::memory_order_relaxed); }
    float note() const { return currentNote.load(std::memory_order_relaxed); }
    float amplitude() const { return currentAmplitude.load(std::memory_order_relaxed); }

private:
    std::atomic<bool> gate{false};
    std::atomic<float> currentNote{0.0f};
    std::atomic<float> currentAmplitude{0.0f};
};
