// "state.dat" as a file: the working folder's, or one at another path.
#pragma once

#include "screens/StateStore.h"

#include <string>
#include <utility>

class StateFileStore : public StateStore {
public:
    static constexpr const char* PATH = "state.dat";

    explicit StateFileStore(std::string path = PATH) : path(std::move(path)) {}

    bool read(std::vector<uint8_t>& bytes, bool& missing, std::string& reason) override;
    bool write(const SavedState& state, std::string& reason) override;

private:
    std::string path;
};
