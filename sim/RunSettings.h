// Where a run stands apart from its particles: the panel's settings, the brush, whether the
// panel shows and the sound plays, and the field. A shared jam starts from one.
#pragma once

#include "sim/Brush.h"
#include "sim/FieldVector.h"
#include "sim/Settings.h"

#include <vector>

struct RunSettings {
    Settings panel;
    float brushRadius = Brush::DEFAULT_RADIUS;
    Brush::Cursor cursor;
    bool resizing = false;
    bool panelShown = false;
    bool soundOn = true;
    /// Every cell, row by row; empty to keep the field the run has.
    std::vector<FieldVector> field;
};
