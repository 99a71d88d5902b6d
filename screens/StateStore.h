// Where the simulation screen keeps "state.dat": the working folder, or a store standing in
// for it that notes or repeats what a recorded run read and wrote.
#pragma once

#include "sim/SavedState.h"

#include <cstdint>
#include <string>
#include <vector>

class StateStore {
public:
    virtual ~StateStore() = default;

    /// The stored file's bytes; false with `missing` set when there is none, false with a
    /// reason when it cannot be read.
    virtual bool read(std::vector<uint8_t>& bytes, bool& missing, std::string& reason) = 0;
    /// Stores `state`; false with a reason when it could not, the previous file kept.
    virtual bool write(const SavedState& state, std::string& reason) = 0;
};
