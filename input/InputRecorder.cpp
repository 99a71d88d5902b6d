#include "input/InputRecorder.h"

#include "platform/Platform.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

InputRecorder::InputRecorder(InputSource& recorded) : source(recorded) {}

bool InputRecorder::open(const std::string& recordingPath, std::string& reason) {
    path = recordingPath;
    file = openFile(path, "wb");
    if (!file) {
        reason = "cannot create " + path + ": " + std::strerror(errno);
        return false;
    }
    write(InputRecording::header());
    return true;
}

Uint32 InputRecorder::ticks() {
    const Uint32 now = source.ticks();
    std::vector<uint8_t> entry;
    InputRecording::appendTicks(entry, now);
    write(entry);
    return now;
}

bool InputRecorder::poll(SDL_Event& event) {
    while (source.poll(event)) {
        if (!InputRecording::isRecorded(event))
            continue;
        std::vector<uint8_t> entry;
        InputRecording::appendEvent(entry, event, isEscapeHeld(source.keyState()));
        write(entry);
        return true;
    }
    return false;
}

void InputRecorder::write(const std::vector<uint8_t>& bytes) {
    if (file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        failed = true;
}

bool InputRecorder::finish(std::string& reason) {
    std::vector<uint8_t> end;
    InputRecording::appendEnd(end);
    write(end);
    const bool closed = file && closeChecked(file);
    if (failed || !closed) {
        reason = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
