#include "app/ReplayStateStore.h"

#include "screens/StateFile.h"

using Access = InputRecording::StateAccess;

ReplayStateStore::ReplayStateStore(std::vector<Access> recorded, StateStore& player,
                                   StateStore* saves)
    : accesses(std::move(recorded)), store(player), replaySaves(saves) {}

const Access* ReplayStateStore::take(Access::Kind kind) {
    if (next < accesses.size() && accesses[next].kind == kind)
        return &accesses[next++];
    if (failure.empty())
        failure = "the run read or wrote state.dat where the recorded one did not";
    return nullptr;
}

bool ReplayStateStore::read(std::vector<uint8_t>& bytes, bool& missing, std::string& reason) {
    if (handedOver)
        return store.read(bytes, missing, reason);
    const Access* access = take(Access::Kind::Read);
    missing = !access || access->outcome == Access::Outcome::Missing;
    if (!access || access->outcome != Access::Outcome::Done) {
        reason = access ? access->reason : "";
        return false;
    }
    if (!access->repeatsLast)
        known = access->bytes;
    bytes = known;
    return true;
}

bool ReplayStateStore::write(const SavedState& state, std::string& reason) {
    if (handedOver)
        return store.write(state, reason);
    const Access* access = take(Access::Kind::Write);
    if (!access || access->outcome == Access::Outcome::Failed) {
        reason = access ? access->reason : "the recorded run did not save here";
        return false;
    }
    known = StateFile::encode(state);
    std::string problem;
    if (replaySaves && !replaySaves->write(state, problem) && failure.empty())
        failure = "the replay could not save state.dat: " + problem;
    return true;
}
