#include "sound/SampleRing.h"
#include "sound/WavWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numeric>
#include <vector>

TEST(SampleRing, KeepsOrderAcrossWrapAroundAndDropsWhatDoesNotFit) {
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
    EXPECT_EQ(ring.dropped(), 2u);
    EXPECT_EQ(ring.pop(out, 8), 8u);
    EXPECT_EQ(ring.pop(out, 8), 0u);
}

TEST(WavWriter, HeaderDescribesTheSamplesWrittenSoFar) {
    const std::string path = ::testing::TempDir() + "capture.wav";
    WavWriter writer;
    std::string reason;
    ASSERT_TRUE(writer.open(path, reason)) << reason;
    const Sint16 samples[] = {1, 1, -2, -2, 32767, 32767};
    writer.append(samples, 6);
    ASSERT_TRUE(writer.updateHeader());

    auto read = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::vector<uint8_t>{std::istreambuf_iterator<char>(in), {}};
    };
    auto word = [](const std::vector<uint8_t>& b, size_t at) {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
    };
    std::vector<uint8_t> bytes = read(); // as a killed program would leave it
    ASSERT_EQ(bytes.size(), 44u + 12);
    EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0);
    EXPECT_EQ(word(bytes, 4), 36u + 12);
    EXPECT_EQ(std::memcmp(&bytes[8], "WAVEfmt ", 8), 0);
    EXPECT_EQ(bytes[22], 2);                 // channels
    EXPECT_EQ(word(bytes, 24), 44100u);      // sample rate
    EXPECT_EQ(word(bytes, 28), 44100u * 4);  // bytes per second
    EXPECT_EQ(bytes[34], 16);                // bits per sample
    EXPECT_EQ(word(bytes, 40), 12u);         // data bytes
    EXPECT_EQ(bytes[48], 0xFE);              // -2, little-endian
    EXPECT_EQ(bytes[49], 0xFF);

    writer.append(samples, 2);
    ASSERT_TRUE(writer.close(reason)) << reason;
    EXPECT_EQ(word(read(), 40), 16u);
    std::remove(path.c_str());
}
