// Any bytes as a recording or a link handed to --replay: decoding either refuses them with a
// reason and leaves its output alone, or yields a recording that a replayer walks to its end
// and that encodes back to the same bytes (first version) or to a recording that decodes the
// same (compact version).
#include "input/InputRecording.h"
#include "input/InputReplayer.h"
#include "tests/fuzz/FuzzCheck.h"
#include "tests/support/FirstVersionRecording.h"
#include "tests/support/RecordingChecks.h"

#include <string>

namespace {
void checkReplay(const InputRecording& recording) {
    InputReplayer replayer(recording);
    SDL_Event event;
    for (size_t i = 0; i <= recording.entries.size() && !replayer.finished(); ++i) {
        while (replayer.poll(event)) {
        }
        replayer.ticks();
    }
    require(replayer.finished(), "a replay ends after at most one reading per entry");
}

void checkAccepted(const std::vector<uint8_t>& bytes, const InputRecording& recording) {
    if (recording.carriesStart()) {
        InputRecording again;
        std::string reason;
        require(InputRecording::decode(recording.encode(), again, reason) &&
                    RecordingChecks::sameRecording(recording, again),
                "an accepted recording encodes to one that decodes the same");
    } else if (!bytes.empty()) {
        require(FirstVersionRecording::encode(recording.entries) == bytes,
                "accepted entries encode back to the file's bytes");
    }
    checkReplay(recording);
}

void checkDecoding(const std::vector<uint8_t>& bytes, bool asLink) {
    InputRecording recording;
    recording.entries.resize(1);
    recording.entries[0].ticks = 12345;
    std::string reason;
    const bool accepted =
        asLink ? InputRecording::decodeLink(std::string(bytes.begin(), bytes.end()), recording,
                                            reason)
               : InputRecording::decode(bytes, recording, reason);
    if (!accepted) {
        require(recording.entries.size() == 1 && recording.entries[0].ticks == 12345,
                "a refused recording leaves the output untouched");
        require(!reason.empty(), "a refused recording has a reason");
        return;
    }
    checkAccepted(asLink ? std::vector<uint8_t>() : bytes, recording);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> bytes(data, data + size);
    checkDecoding(bytes, false);
    checkDecoding(bytes, true);
    return 0;
}
