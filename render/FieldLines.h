// The line work of the simulation scene in immediate-mode OpenGL: grid lines, cell vectors and
// the brush circle. Texturing must be off; each leaves blending as the next layer expects.
#pragma once

#include "sim/FlowField.h"

/// Grey-blue lines `spacing` pixels apart over a window of the given size.
void drawGridLines(int width, int height, int spacing);
/// Each cell's vector as a smoothed green line from the cell's centre, blended normally.
void drawCellVectors(const FlowField& field);
/// A smoothed grey circle of width 3 around (x, y), added to the scene; blending stays on with
/// the normal function, so an overlay looks the same in frames with and without the circle.
void drawBrushCircle(float x, float y, float radius);
