#include "export/EncoderThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace {
constexpr size_t PICTURE_BYTES = 12;

// Keeps what it is handed, one line per call: "picture N" for a picture whose bytes all hold
// N, "picture N again" when it repeats it, "sound N" for N frames.
// While its gate is shut its calls wait; it fails from call number failAt on.
class RecordingWriter : public VideoWriter {
public:
    explicit RecordingWriter(bool gateStartsOpen = true, size_t failingCall = SIZE_MAX)
        : failAt(failingCall), gateOpen(gateStartsOpen) {}

    std::vector<std::string> calls;

    void openGate() {
        std::lock_guard<std::mutex> lock(mutex);
        gateOpen = true;
        opened.notify_all();
    }
    bool open(const std::string&, int, int, std::string&) override { return true; }
    bool addPicture(const uint8_t* rgb, std::string& reason) override {
        wait();
        last = "picture " + std::to_string(rgb[0]);
        for (size_t byte = 1; byte < PICTURE_BYTES; ++byte)
            if (rgb[byte] != rgb[0])
                last += " torn";
        return record(last, reason);
    }
    bool repeatPicture(std::string& reason) override {
        wait();
        return record(last + " again", reason);
    }
    bool addSound(const int16_t*, int frames, std::string& reason) override {
        wait();
        return record("sound " + std::to_string(frames), reason);
    }
    bool finish(std::string&) override { return true; }

private:
    void wait() {
        std::unique_lock<std::mutex> lock(mutex);
        opened.wait(lock, [this] { return gateOpen; });
    }
    bool record(const std::string& call, std::string& reason) {
        calls.push_back(call);
        if (calls.size() < failAt)
            return true;
        reason = "clip.mp4: cannot write: No space left on device";
        return false;
    }

    size_t failAt;
    std::string last = "nothing";
    std::mutex mutex;
    std::condition_variable opened;
    bool gateOpen;
};

EncoderThread::Fill paint(uint8_t value) {
    return [value](uint8_t* rgb) { std::fill(rgb, rgb + PICTURE_BYTES, value); };
}
} // namespace

// Frames keep the picture shown when they were queued, though the writer takes them later
// and the few buffers are reused; a picture in several frames in a row is handed over once,
// then repeated; sound stays in its place between them.
TEST(EncoderThread, WriterGetsEveryFrameAndSoundInOrderWithItsOwnPicture) {
    RecordingWriter writer(false);
    std::vector<std::string> expected;
    std::string reason;
    {
        EncoderThread encoder(writer, PICTURE_BYTES);
        ASSERT_TRUE(encoder.addPicture(reason)); // black before the first picture
        ASSERT_TRUE(encoder.addPicture(reason));
        expected.insert(expected.end(), {"picture 0", "picture 0 again"});
        for (uint8_t value = 1; value <= 12; ++value) {
            // The writer holds the black frame until two more pictures wait, then keeps pace.
            if (value == 3)
                writer.openGate();
            encoder.setPicture(paint(value));
            for (int frame = 0; frame < value % 3; ++frame) {
                ASSERT_TRUE(encoder.addPicture(reason));
                expected.push_back("picture " + std::to_string(value) + (frame ? " again" : ""));
            }
            const int16_t samples[2 * 40] = {};
            ASSERT_TRUE(encoder.addSound(samples, value, reason));
            expected.push_back("sound " + std::to_string(value));
        }
        // Picture 22 comes in the buffer that picture 20 left, right after it: a new picture.
        encoder.setPicture(paint(20));
        ASSERT_TRUE(encoder.addPicture(reason));
        ASSERT_TRUE(encoder.drain(reason));
        encoder.setPicture(paint(21));
        encoder.setPicture(paint(22));
        ASSERT_TRUE(encoder.addPicture(reason));
        expected.insert(expected.end(), {"picture 20", "picture 22"});
        ASSERT_TRUE(encoder.drain(reason)) << reason;
    }
    EXPECT_EQ(writer.calls, expected);
}

// After a failed write the writer gets nothing more; the caller hears the writer's reason
// from then on and never waits for a buffer for good, however many pictures it draws.
TEST(EncoderThread, AfterAFailedWriteTheRestIsDroppedAndTheReasonReported) {
    RecordingWriter writer(true, 3);
    std::string reason;
    {
        EncoderThread encoder(writer, PICTURE_BYTES);
        bool accepted = true;
        for (uint8_t value = 1; value <= 20 && accepted; ++value) {
            encoder.setPicture(paint(value));
            accepted = encoder.addPicture(reason);
        }
        EXPECT_FALSE(encoder.drain(reason));
        EXPECT_EQ(reason, "clip.mp4: cannot write: No space left on device");
        for (uint8_t value = 21; value <= 30; ++value)
            encoder.setPicture(paint(value));
        reason.clear();
        const int16_t samples[2] = {};
        EXPECT_FALSE(encoder.addSound(samples, 1, reason));
        EXPECT_EQ(reason, "clip.mp4: cannot write: No space left on device");
    }
    EXPECT_EQ(writer.calls.size(), 3u);
}

// Given up with work queued, it stops (the writer has taken a beginning of the queue, in order).
TEST(EncoderThread, StopsWhenGivenUpWithWorkQueued) {
    RecordingWriter writer(false);
    std::string reason;
    {
        EncoderThread encoder(writer, PICTURE_BYTES);
        for (uint8_t value = 1; value <= 2; ++value) {
            encoder.setPicture(paint(value));
            ASSERT_TRUE(encoder.addPicture(reason));
            ASSERT_TRUE(encoder.addPicture(reason));
        }
        writer.openGate();
    }
    const std::vector<std::string> queued = {"picture 1", "picture 1 again", "picture 2",
                                             "picture 2 again"};
    ASSERT_LE(writer.calls.size(), queued.size());
    EXPECT_TRUE(std::equal(writer.calls.begin(), writer.calls.end(), queued.begin()));
}
