#include "sound/AudioCapture.h"
#include "sound/SampleRing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numeric>
#include <string>
#include <vector>

TEST(SampleRing, KeepsOrderAcrossWrapAroundAndOwesSilenceForWhatDidNotFit) {
    SampleRing ring(6); // rounded up to 8
    std::vector<Sint16> in(20);
    std::iota(in.begin(), in.end(), 1);
    Sint16 out[8];
    Sint16 expected = 1;
    for (int round = 0; round < 5; ++round) {
        ASSERT_EQ(ring.push(&in[expected - 1], 3), 3u);
        ASSERT_EQ(ring.pop(out, 8), 3u);
        for (int i = 0; i < 3; ++i)
            ASSERT_EQ(out[i], expected++);
    }
    EXPECT_EQ(ring.push(in.data(), 10), 8u);
    EXPECT_EQ(ring.push(in.data(), 2), 0u); // still full: lost as well
    EXPECT_EQ(ring.lost(), 4u);
    EXPECT_EQ(ring.pop(out, 8), 8u);
    EXPECT_EQ(ring.push(in.data(), 2), 2u); // after the four owed zeros
    ASSERT_EQ(ring.pop(out, 8), 6u);
    EXPECT_EQ(std::vector<Sint16>(out, out + 6), (std::vector<Sint16>{0, 0, 0, 0, 1, 2}));
    EXPECT_EQ(ring.owedSilence(), 0u);
}

TEST(AudioCapture, StalledDrainKeepsTheFileInStepWithTimeAndSaysWhatWasLost) {
    const std::string path = ::testing::TempDir() + "stalled.wav";
    AudioCapture capture(8);
    std::string reason;
    ASSERT_TRUE(capture.start(path, reason)) << reason;
    std::vector<Sint16> in(20);
    std::iota(in.begin(), in.end(), 1);
    capture.push(&in[0], 8);
    capture.push(&in[8], 4); // the main loop stalls: lost
    capture.drain(0);
    capture.push(&in[12], 4);
    capture.push(&in[16], 4); // lost again, and the ring is never drained before the end
    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(capture.finish(reason)) << reason;
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("stalled.wav: 8 samples"), std::string::npos) << said;

    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    ASSERT_EQ(bytes.size(), 44u + 2 * 20);
    std::vector<Sint16> samples(20);
    std::memcpy(samples.data(), &bytes[44], 40); // little-endian on the hosts we test
    EXPECT_EQ(samples, (std::vector<Sint16>{1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 13, 14, 15,
                                            16, 0, 0, 0, 0}));
    std::remove(path.c_str());
}
