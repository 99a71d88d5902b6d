#include "screens/StateFileStore.h"

#include "screens/StateFile.h"

bool StateFileStore::read(std::vector<uint8_t>& bytes, bool& missing, std::string& reason) {
    return StateFile::read(path, bytes, missing, reason);
}

bool StateFileStore::write(const SavedState& state, std::string& reason) {
    return StateFile::write(path, state, reason);
}
