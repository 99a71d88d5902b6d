#include "sound/AudioOutput.h"
#include "sound/SoundControls.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AudioCallback, FillsWholeLittleEndianFramesFromTheControlsAndClosesTheGate) {
    SoundControls controls;
    controls.setVoice(1.0f, 0.99f);
    // An odd length: the last three bytes are not a whole frame and stay untouched.
    std::vector<Uint8> stream(8192 + 3, 0xAB);
    for (int buffer = 0; buffer < 3; ++buffer) {
        controls.openGate();
        audioCallback(&controls, stream.data(), static_cast<int>(stream.size()));
        EXPECT_FALSE(controls.gateOpen()) << "closed after each buffer";
    }
    EXPECT_EQ(stream[8192], 0xAB);
    EXPECT_EQ(stream[8194], 0xAB);
    bool sound = false;
    for (int frame = 0; frame < 2048; ++frame) {
        const auto sample = [&](int channel) {
            const Uint8* bytes = &stream[4 * frame + 2 * channel];
            return static_cast<Sint16>(bytes[0] | bytes[1] << 8);
        };
        ASSERT_EQ(sample(0), sample(1));
        sound = sound || sample(0) != 0;
    }
    EXPECT_TRUE(sound) << "a loud voice with the gate open is heard";
}
