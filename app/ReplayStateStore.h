// "state.dat" in a replayed run: reads give what the recorded run read and writes end as its
// did, whatever lies in the folder. The saves the recorded run made go on to a store of the
// replay's saves (the working folder's state.dat on the desktop), so a replay leaves the file
// its run saved. Once handed over (the recording has ended and the player goes on), every
// access goes to the player's own store.
#pragma once

#include "input/InputRecording.h"
#include "screens/StateStore.h"

#include <string>
#include <vector>

class ReplayStateStore : public StateStore {
public:
    /// Repeats `accesses`, passing the saves on to `replaySaves` (if any); after the hand-over
    /// the accesses go to `playerStore`.
    ReplayStateStore(std::vector<InputRecording::StateAccess> accesses, StateStore& playerStore,
                     StateStore* replaySaves);

    bool read(std::vector<uint8_t>& bytes, bool& missing, std::string& reason) override;
    bool write(const SavedState& state, std::string& reason) override;

    /// From now on every access goes to the real store.
    void handOver() { handedOver = true; }
    /// Why the replay left the recorded accesses or could not write its file; empty if it
    /// did neither.
    const std::string& problem() const { return failure; }

private:
    const InputRecording::StateAccess* take(InputRecording::StateAccess::Kind kind);

    std::vector<InputRecording::StateAccess> accesses;
    StateStore& store;
    StateStore* replaySaves;
    bool handedOver = false;
    size_t next = 0;
    /// What the replayed run last read or wrote.
    std::vector<uint8_t> known;
    std::string failure;
};
