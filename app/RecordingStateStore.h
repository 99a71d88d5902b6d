// "state.dat" in a recorded run: each read and write goes to the real store and is noted in the
// recording, so that a replay reads what the run read wherever it plays.
#pragma once

#include "input/InputRecorder.h"
#include "screens/StateStore.h"

class RecordingStateStore : public StateStore {
public:
    /// Passes the accesses on to `store` and notes them in `recorder`.
    RecordingStateStore(StateStore& store, InputRecorder& recorder);

    bool read(std::vector<uint8_t>& bytes, bool& missing, std::string& reason) override;
    bool write(const SavedState& state, std::string& reason) override;

private:
    StateStore& store;
    InputRecorder& recorder;
};
