// Any bytes as "state.dat": decoding either refuses them and leaves its output alone, or
// yields a state within the grid that re-encodes to the file's own bytes; applying it to a
// flow field, as the simulation screen does, fills the top-left cells and clears the rest.
#include "sim/FlowField.h"
#include "screens/StateFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {
bool sameBits(const FieldVector& a, const FieldVector& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

void checkDecoded(const SavedState& state, const uint8_t* data, size_t size) {
    require(state.width >= 0 && state.width <= StateFile::MAX_WIDTH, "width within 0..80");
    require(state.height >= 0 && state.height <= StateFile::MAX_HEIGHT, "height within 0..60");
    require(state.cells.size() == static_cast<size_t>(state.width) * state.height,
            "one cell per grid position");
    const float header[] = {state.brushRadius, state.age, state.colorMul, state.initXSpeed,
                            state.initYSpeed};
    for (float value : header)
        require(std::isfinite(value), "finite header values");
    for (const FieldVector& cell : state.cells)
        require(std::isfinite(cell.x) && std::isfinite(cell.y), "finite cells");

    // The format byte is ignored on reading and written as 0; every other byte comes back.
    const std::vector<uint8_t> encoded = StateFile::encode(state);
    require(encoded.size() == StateFile::HEADER_SIZE + 8 * state.cells.size(),
            "header and cells re-encoded");
    require(encoded.size() <= size, "nothing decoded from beyond the file");
    require(encoded[0] == 0, "format byte written as 0");
    require(std::memcmp(encoded.data() + 1, data + 1, encoded.size() - 1) == 0,
            "re-encoding gives the file's leading bytes");
}

// As the simulation screen applies a loaded file: the rows go to the top-left of a field that
// held other vectors before.
void checkApplied(const SavedState& state) {
    FlowField field;
    for (int i = 0; i < FlowField::CELL_COUNT; ++i)
        field[i] = {9.0f, -9.0f};
    field.assign(state.cells, state.width, state.height);
    for (int row = 0; row < FlowField::ROWS; ++row)
        for (int column = 0; column < FlowField::COLUMNS; ++column) {
            const FieldVector& cell = field[row * FlowField::COLUMNS + column];
            const bool fromFile = row < state.height && column < state.width;
            const FieldVector expected =
                fromFile ? state.cells[static_cast<size_t>(row) * state.width + column]
                         : FieldVector{};
            require(sameBits(cell, expected), "file cells at the top left, zero elsewhere");
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Every field set, so that a refused file that changed any of them shows in its encoding.
    SavedState sentinel{17.0f, 2, 1234, 0.125f, 0.25f, 0.375f, 0.625f, 3, 1, {}};
    sentinel.cells = {{1.0f, 2.0f}, {3.0f, 4.0f}, {5.0f, 6.0f}};
    SavedState state = sentinel;
    std::string reason;
    if (!StateFile::decode(data, size, state, reason)) {
        require(StateFile::encode(state) == StateFile::encode(sentinel),
                "a refused file leaves the output untouched");
        require(!reason.empty(), "a refused file has a reason");
        return 0;
    }
    checkDecoded(state, data, size);
    checkApplied(state);
    return 0;
}
