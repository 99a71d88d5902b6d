// Checks on the flow field shared by the simulation and screen tests.
#pragma once

#include "sim/FlowField.h"

/// True when every cell of the field is (0, 0).
inline bool isAllZero(const FlowField& field) {
    for (int i = 0; i < FlowField::CELL_COUNT; ++i)
        if (field[i].x != 0 || field[i].y != 0)
            return false;
    return true;
}
