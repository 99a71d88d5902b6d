#include "screens/StateFile.h"

#include "io/ByteReader.h"
#include "io/ByteWriter.h"
#include "io/FileHandle.h"
#include "platform/SystemFiles.h"
#include "sim/Brush.h"
#include "sim/Simulation.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include <unistd.h>

namespace {
std::string systemError(const char* what) { return std::string(what) + ": " + std::strerror(errno); }

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

/// Why a decoded state holds a value the program never writes (each outside what its control
/// can give); empty when every value is in range.
std::string outOfRange(const SavedState& state) {
    if (state.gradientMode < 0 || state.gradientMode > 3)
        return "the gradient mode is " + std::to_string(state.gradientMode) + ", not 0 to 3";
    if (!(state.brushRadius >= Brush::MIN_RADIUS && state.brushRadius <= Brush::MAX_RADIUS))
        return "the brush radius is " + number(state.brushRadius) + ", not " +
               number(Brush::MIN_RADIUS) + " to " + number(Brush::MAX_RADIUS);
    if (state.particleCount < 0 || state.particleCount > Simulation::MAX_PARTICLES)
        return "the particle count is " + std::to_string(state.particleCount) + ", not 0 to " +
               std::to_string(Simulation::MAX_PARTICLES);
    const std::pair<const char*, float> sliders[] = {{"Age", state.age},
                                                     {"Color mul", state.colorMul},
                                                     {"Init X speed", state.initXSpeed},
                                                     {"Init Y speed", state.initYSpeed}};
    for (const auto& [name, value] : sliders) {
        if (!(value >= 0 && value <= 1))
            return std::string(name) + " is " + number(value) + ", not 0 to 1";
    }
    return {};
}
} // namespace

std::vector<uint8_t> StateFile::encode(const SavedState& state) {
    std::vector<uint8_t> bytes;
    bytes.reserve(HEADER_SIZE + 8 * state.cells.size());
    ByteWriter out(bytes);
    out.u8(0);
    out.f32(state.brushRadius);
    out.u8(static_cast<uint8_t>(state.gradientMode));
    out.i32(state.particleCount);
    out.f32(state.age);
    out.f32(state.colorMul);
    out.f32(state.initXSpeed);
    out.f32(state.initYSpeed);
    out.i32(state.width);
    out.i32(state.height);
    for (const FieldVector& cell : state.cells) {
        out.f32(cell.x);
        out.f32(cell.y);
    }
    return bytes;
}

bool StateFile::decode(const uint8_t* data, size_t size, SavedState& state, std::string& reason) {
    if (size < HEADER_SIZE) {
        reason = "the header is incomplete (" + std::to_string(size) + " bytes)";
        return false;
    }
    ByteReader in(data, size);
    SavedState decoded;
    in.u8(); // format byte, ignored
    decoded.brushRadius = in.f32();
    decoded.gradientMode = static_cast<int8_t>(in.u8());
    decoded.particleCount = in.i32();
    decoded.age = in.f32();
    decoded.colorMul = in.f32();
    decoded.initXSpeed = in.f32();
    decoded.initYSpeed = in.f32();
    decoded.width = in.i32();
    decoded.height = in.i32();
    if (decoded.width < 0 || decoded.width > MAX_WIDTH || decoded.height < 0 ||
        decoded.height > MAX_HEIGHT) {
        reason = "the grid is " + std::to_string(decoded.width) + " x " +
                 std::to_string(decoded.height) + " cells, more than 80 x 60";
        return false;
    }
    const size_t needed = HEADER_SIZE + 8 * static_cast<size_t>(decoded.width * decoded.height);
    if (size < needed) {
        reason = "the file ends early (" + std::to_string(size) + " of " +
                 std::to_string(needed) + " bytes)";
        return false;
    }
    decoded.cells.resize(static_cast<size_t>(decoded.width * decoded.height));
    for (FieldVector& cell : decoded.cells) {
        cell.x = in.f32();
        cell.y = in.f32();
    }
    const float header[] = {decoded.brushRadius, decoded.age, decoded.colorMul,
                            decoded.initXSpeed, decoded.initYSpeed};
    bool finite = true;
    for (float value : header)
        finite = finite && std::isfinite(value);
    for (const FieldVector& cell : decoded.cells)
        finite = finite && std::isfinite(cell.x) && std::isfinite(cell.y);
    if (!finite) {
        reason = "it holds a value that is not a finite number";
        return false;
    }
    const std::string outside = outOfRange(decoded);
    if (!outside.empty()) {
        reason = outside;
        return false;
    }
    state = std::move(decoded);
    return true;
}

bool StateFile::write(const std::string& path, const SavedState& state, std::string& reason) {
    // The rename below would replace a file the user made read-only; it is kept instead, as
    // opening it for writing would fail.
    if (!hasFileAccess(path, W_OK) && errno != ENOENT) {
        reason = systemError(("cannot write " + path).c_str());
        return false;
    }
    const std::string temporary = path + ".tmp";
    const std::vector<uint8_t> bytes = encode(state);
    FileHandle file = openFile(temporary, "wb");
    if (!file) {
        reason = systemError(("cannot create " + temporary).c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    if (!written)
        reason = systemError(("cannot write " + temporary).c_str());
    if (!closeChecked(file) && written)
        reason = systemError(("cannot close " + temporary).c_str());
    std::string why;
    if (!reason.empty() || !replaceFile(temporary, path, why)) {
        if (reason.empty())
            reason = "cannot replace " + path + ": " + why;
        removeFile(temporary);
        return false;
    }
    return true;
}

bool StateFile::read(const std::string& path, std::vector<uint8_t>& bytes, bool& missing,
                     std::string& reason) {
    missing = false;
    FileHandle file = openFile(path, "rb");
    if (!file) {
        missing = errno == ENOENT;
        reason = systemError("cannot open it");
        return false;
    }
    bytes.resize(FULL_SIZE);
    const size_t count = std::fread(bytes.data(), 1, bytes.size(), file.get());
    if (std::ferror(file.get())) {
        reason = systemError("cannot read it");
        return false;
    }
    bytes.resize(count);
    return true;
}
