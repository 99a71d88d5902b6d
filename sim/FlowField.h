// The 80 x 60 grid of vectors that the mouse stirs, covering the 960 x 720 pixels at the
// top left of the window (cells of 12 pixels, row-major).
#pragma once

#include "sim/FieldVector.h"

#include <vector>

class FlowField {
public:
    static constexpr int COLUMNS = 80;
    static constexpr int ROWS = 60;
    static constexpr int CELL_SIZE = 12;
    static constexpr int CELL_COUNT = COLUMNS * ROWS;

    /// All cells (0, 0).
    FlowField() : cells(CELL_COUNT) {}

    /// Sets every vector to (0, 0).
    void clear();
    /// Fills the top-left width x height cells from `rows` (row-major, `width` cells a row)
    /// and clears the rest; sizes beyond the grid are cut to it.
    void assign(const std::vector<FieldVector>& rows, int width, int height);
    /// The cell at a flat index row * 80 + col.
    FieldVector& operator[](int index) { return cells[index]; }
    const FieldVector& operator[](int index) const { return cells[index]; }
    /// The vector felt at a window position inside the window: the cell's vector inside the
    /// grid, (0, 0) in the bands to the right of and below it.
    FieldVector accelerationAt(float x, float y) const {
        const int column = static_cast<int>(x / CELL_SIZE);
        const int row = static_cast<int>(y / CELL_SIZE);
        if (column >= COLUMNS || row >= ROWS)
            return {};
        return cells[row * COLUMNS + column];
    }
    /// Centre of a cell in window pixels.
    static int centreX(int column) { return CELL_SIZE / 2 + CELL_SIZE * column; }
    static int centreY(int row) { return CELL_SIZE / 2 + CELL_SIZE * row; }

private:
    std::vector<FieldVector> cells;
};
