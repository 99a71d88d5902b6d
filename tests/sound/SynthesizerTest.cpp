#include "sound/Synthesizer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr int FRAMES = 2048;

struct Buffer {
    std::vector<Sint16> samples = std::vector<Sint16>(2 * FRAMES);
    Sint16 left(int frame) const { return samples[2 * frame]; }
    Sint16 right(int frame) const { return samples[2 * frame + 1]; }
};

Buffer render(Synthesizer& synth, bool gate, float note, float amplitude) {
    Buffer buffer;
    synth.render(buffer.samples.data(), FRAMES, gate, note, amplitude);
    return buffer;
}

/// Mean distance in frames between upward zero crossings of the left channel.
double measuredPeriod(const Buffer& buffer) {
    std::vector<int> crossings;
    for (int frame = 1; frame < FRAMES; ++frame)
        if (buffer.left(frame - 1) < 0 && buffer.left(frame) >= 0)
            crossings.push_back(frame);
    if (crossings.size() < 2)
        return 0;
    return static_cast<double>(crossings.back() - crossings.front()) / (crossings.size() - 1);
}
} // namespace

TEST(Synthesizer, FirstBufferPlaysAtTenHertzChannelsAreEqualAndTheBottomEdgeIsSilent) {
    Synthesizer synth;
    const Buffer first = render(synth, true, 1.0f, 1.0f);
    // At 10 Hz, 2048 frames cover less than half a cycle: no sample goes negative.
    EXPECT_GE(*std::min_element(first.samples.begin(), first.samples.end()), 0);
    EXPECT_GT(first.left(FRAMES - 1), 0) << "the envelope rises while the gate is open";
    for (int buffer = 0; buffer < 4; ++buffer) {
        const Buffer later = render(synth, true, 1.0f, 0.5f);
        for (int frame = 0; frame < FRAMES; ++frame)
            ASSERT_EQ(later.left(frame), later.right(frame)) << frame;
    }
    EXPECT_EQ(render(synth, true, 1.0f, 0.0f).samples, std::vector<Sint16>(2 * FRAMES));
}

TEST(Synthesizer, PitchFollowsTheNoteFromLeftEdgeToRightEdge) {
    const struct {
        float note;
        double hertz;
    } edges[] = {{-0.2f, 440 * std::pow(2.0, -2.2)}, {2.2f, 440 * std::pow(2.0, 0.2)}};
    for (const auto& edge : edges) {
        Synthesizer synth;
        for (int buffer = 0; buffer < 20; ++buffer)
            render(synth, true, edge.note, 1.0f);
        EXPECT_NEAR(synth.getFrequency(), edge.hertz, 0.1);
        const Buffer settled = render(synth, true, edge.note, 1.0f);
        EXPECT_NEAR(44100 / measuredPeriod(settled), edge.hertz, edge.hertz * 0.02);
    }
}

TEST(Synthesizer, FullEnvelopeSpansTheClippedNegativeHalfToTheOffsetPositiveHalfThenFalls) {
    Synthesizer synth;
    for (int buffer = 0; buffer < 100; ++buffer)
        render(synth, true, 1.0f, 1.0f);
    const Buffer loud = render(synth, true, 1.0f, 1.0f);
    const auto [low, high] = std::minmax_element(loud.samples.begin(), loud.samples.end());
    // In single precision the envelope settles just below 1 (at about 0.99985), where its
    // increment no longer changes it: the clipped half is -1 times that level.
    const float level = synth.getEnvelope();
    EXPECT_GT(level, 0.9998f);
    EXPECT_EQ(*low, static_cast<int>(-1.0f * level * 0.5f * 32767.0f));
    EXPECT_NEAR(*low, -16383, 3);
    EXPECT_NEAR(*high, 14750, 10);
    render(synth, false, 1.0f, 1.0f); // one resting buffer: down to about two thirds
    EXPECT_NEAR(synth.getEnvelope() / level, std::pow(0.9998, 2048), 1e-3);
}
