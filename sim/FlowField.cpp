#include "sim/FlowField.h"

#include <algorithm>

void FlowField::clear() { std::fill(cells.begin(), cells.end(), FieldVector{}); }

void FlowField::assign(const std::vector<FieldVector>& rows, int width, int height) {
    clear();
    const int columns = std::min(std::max(width, 0), COLUMNS);
    const int rowCount = std::min(std::max(height, 0), ROWS);
    for (int row = 0; row < rowCount; ++row)
        for (int column = 0; column < columns; ++column) {
            const size_t source = static_cast<size_t>(row) * width + column;
            if (source < rows.size())
                cells[row * COLUMNS + column] = rows[source];
        }
}
