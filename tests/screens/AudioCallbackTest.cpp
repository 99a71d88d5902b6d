#include "screens/GameState.h"
#include "sound/AudioOutput.h"

#include "app/GameApp.h"
#include "tests/screens/ScreenEvents.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AudioCallback, FillsWholeFramesFromTheScreensCursorAndClosesTheGate) {
    GameState screen(getApp()->getGraphics());
    ASSERT_TRUE(screen.load());
    const SDL_MouseMotionEvent motion = motionTo(512, 10);
    screen.mouseMove(&motion);
    ASSERT_TRUE(screen.gateOpen());

    // An odd length: the last three bytes are not a whole frame and stay untouched.
    std::vector<Uint8> stream(8192 + 3, 0xAB);
    for (int buffer = 0; buffer < 3; ++buffer) {
        screen.mouseMove(&motion);
        audioCallback(&screen, stream.data(), static_cast<int>(stream.size()));
        EXPECT_FALSE(screen.gateOpen()) << "closed after each buffer";
    }
    EXPECT_EQ(stream[8192], 0xAB);
    EXPECT_EQ(stream[8194], 0xAB);
    const Sint16* samples = reinterpret_cast<const Sint16*>(stream.data());
    bool sound = false;
    for (int frame = 0; frame < 2048; ++frame) {
        ASSERT_EQ(samples[2 * frame], samples[2 * frame + 1]);
        sound = sound || samples[2 * frame] != 0;
    }
    EXPECT_TRUE(sound) << "the cursor near the top plays loudly";
}
