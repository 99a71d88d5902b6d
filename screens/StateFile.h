// The "state.dat" format: the flow field and the main settings, little-endian, no padding.
// Offsets: 0 format byte, 1 brush radius, 5 gradient mode, 6 particle count, 10..25 the
// Age, Color mul, Init X and Init Y slider values, 26 width, 30 height, 34 the cells
// (x then y, rows top to bottom).
#pragma once

#include "sim/SavedState.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class StateFile {
public:
    static constexpr size_t HEADER_SIZE = 34;
    static constexpr int32_t MAX_WIDTH = 80;
    static constexpr int32_t MAX_HEIGHT = 60;
    /// Size of a file written by the program (an 80 x 60 grid).
    static constexpr size_t FULL_SIZE = HEADER_SIZE + 8 * MAX_WIDTH * MAX_HEIGHT;

    /// The bytes of a state file.
    static std::vector<uint8_t> encode(const SavedState& state);
    /// Checks and decodes a whole file; false (with the reason) for a short header, a grid
    /// larger than 80 x 60 or negative, too few bytes for the grid, a float that is not
    /// finite, or a value the program never writes (a gradient mode outside 0 to 3, a brush
    /// radius outside 6 to 384, a particle count outside 0 to 10000, a slider value outside 0
    /// to 1). Nothing of a refused file is returned.
    static bool decode(const uint8_t* data, size_t size, SavedState& state, std::string& reason);

    /// Writes through "<path>.tmp" renamed over the path, so a failed save keeps the old file;
    /// false with a reason, writing nothing, when the path is a file the user may not write.
    static bool write(const std::string& path, const SavedState& state, std::string& reason);
    /// Reads at most FULL_SIZE bytes; false with `missing` set when there is no file, false
    /// with a reason when it cannot be read.
    static bool read(const std::string& path, std::vector<uint8_t>& bytes, bool& missing,
                     std::string& reason);
};
