// Any bytes as a recording handed to --replay: decoding either refuses them with a reason and
// leaves its output alone, or yields entries that encode back to exactly the file's bytes and
// that a replayer walks to its end.
#include "input/InputRecording.h"
#include "input/InputReplayer.h"
#include "tests/fuzz/FuzzCheck.h"

namespace {
std::vector<uint8_t> encode(const std::vector<InputRecording::Entry>& entries) {
    std::vector<uint8_t> bytes = InputRecording::header();
    for (const InputRecording::Entry& entry : entries) {
        if (entry.isEvent)
            InputRecording::appendEvent(bytes, entry.event, entry.escapeHeld);
        else
            InputRecording::appendTicks(bytes, entry.ticks);
    }
    InputRecording::appendEnd(bytes);
    return bytes;
}

void checkReplay(std::vector<InputRecording::Entry> entries) {
    const size_t readings = entries.size();
    InputReplayer replayer(std::move(entries));
    for (size_t i = 0; i <= readings && !replayer.finished(); ++i)
        replayer.ticks();
    require(replayer.finished(), "a replay ends after at most one reading per entry");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    std::vector<InputRecording::Entry> entries(1);
    entries[0].ticks = 12345;
    std::string reason;
    if (!InputRecording::decode(bytes, entries, reason)) {
        require(entries.size() == 1 && entries[0].ticks == 12345,
                "a refused recording leaves the output untouched");
        require(!reason.empty(), "a refused recording has a reason");
        return 0;
    }
    require(encode(entries) == bytes, "accepted entries encode back to the file's bytes");
    checkReplay(std::move(entries));
    return 0;
}
