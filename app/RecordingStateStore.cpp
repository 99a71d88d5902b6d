#include "app/RecordingStateStore.h"

#include "screens/StateFile.h"

using Access = InputRecording::StateAccess;

RecordingStateStore::RecordingStateStore(StateStore& real, InputRecorder& notes)
    : store(real), recorder(notes) {}

bool RecordingStateStore::read(std::vector<uint8_t>& bytes, bool& missing,
                               std::string& reason) {
    const bool done = store.read(bytes, missing, reason);
    Access access;
    access.outcome = done ? Access::Outcome::Done
                     : missing ? Access::Outcome::Missing
                               : Access::Outcome::Failed;
    if (done)
        access.bytes = bytes;
    else if (!missing)
        access.reason = reason;
    recorder.noteStateAccess(std::move(access));
    return done;
}

bool RecordingStateStore::write(const SavedState& state, std::string& reason) {
    const bool done = store.write(state, reason);
    Access access;
    access.kind = Access::Kind::Write;
    access.outcome = done ? Access::Outcome::Done : Access::Outcome::Failed;
    if (done)
        access.bytes = StateFile::encode(state);
    else
        access.reason = reason;
    recorder.noteStateAccess(std::move(access));
    return done;
}
