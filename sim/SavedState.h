// What a state file holds: the field and the main settings.
#pragma once

#include "sim/FieldVector.h"

#include <cstdint>
#include <vector>

struct SavedState {
    float brushRadius = 0.0f;
    int8_t gradientMode = 0;
    int32_t particleCount = 0;
    float age = 0.0f;
    float colorMul = 0.0f;
    float initXSpeed = 0.0f;
    float initYSpeed = 0.0f;
    int32_t width = 0;
    int32_t height = 0;
    /// width * height cells, row-major with a stride of width.
    std::vector<FieldVector> cells;
};
