#include "input/InputRecorder.h"

#include "platform/Platform.h"

#include <utility>

InputRecorder::InputRecorder(InputSource& recorded) : source(recorded) {}

Uint32 InputRecorder::ticks() {
    lastTicks = source.ticks();
    InputRecording::Entry entry;
    entry.ticks = lastTicks;
    recorded.entries.push_back(entry);
    return lastTicks;
}

bool InputRecorder::poll(SDL_Event& event) {
    while (source.poll(event)) {
        if (!InputRecording::isRecorded(event))
            continue;
        InputRecording::Entry entry;
        entry.isEvent = true;
        entry.event = event;
        entry.escapeHeld = isEscapeHeld(source.keyState());
        recorded.entries.push_back(entry);
        return true;
    }
    return false;
}

void InputRecorder::noteStateAccess(InputRecording::StateAccess access) {
    recorded.stateAccesses.push_back(std::move(access));
}

void InputRecorder::restart(const InputRecording::Start& start) {
    recorded = InputRecording();
    recorded.start = start;
    InputRecording::Entry first;
    first.ticks = lastTicks;
    recorded.entries.push_back(first);
}
