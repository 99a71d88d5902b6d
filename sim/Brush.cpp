#include "sim/Brush.h"

namespace {
/// The pointer may be at most 120 pixels from the cursor to glide and stir.
constexpr int MAX_GLIDE_SQUARED = 120 * 120;
} // namespace

Brush::Point Brush::glideTo(int pointerX, int pointerY) {
    Point from{x, y};
    if (smoothX == 0.0f) {
        // First motion: start at the pointer rather than glide in from the corner.
        smoothX = static_cast<float>(pointerX);
        smoothY = static_cast<float>(pointerY);
    }
    smoothX = smoothX * 0.75f + static_cast<float>(pointerX) / 4;
    smoothY = smoothY * 0.75f + static_cast<float>(pointerY) / 4;
    const int dx = pointerX - from.x;
    const int dy = pointerY - from.y;
    if (dx * dx + dy * dy > MAX_GLIDE_SQUARED) {
        from = {pointerX, pointerY};
        smoothX = static_cast<float>(pointerX);
        smoothY = static_cast<float>(pointerY);
    }
    x = static_cast<int>(smoothX);
    y = static_cast<int>(smoothY);
    return from;
}

void Brush::stir(FlowField& field, Point from) const {
    const float pushX = static_cast<float>(x - from.x) / 5;
    const float pushY = static_cast<float>(y - from.y) / 5;
    const float radiusSquared = radius * radius;
    for (int row = 0; row < FlowField::ROWS; ++row) {
        const int dy = y - FlowField::centreY(row);
        for (int column = 0; column < FlowField::COLUMNS; ++column) {
            const int dx = x - FlowField::centreX(column);
            if (static_cast<float>(dx * dx + dy * dy) < radiusSquared) {
                FieldVector& cell = field[row * FlowField::COLUMNS + column];
                cell.x += pushX;
                cell.y += pushY;
            }
        }
    }
}

void Brush::resizeFrom(int fromY) {
    radius += static_cast<float>(y - fromY);
    if (radius < MIN_RADIUS)
        radius = MIN_RADIUS;
    if (radius > MAX_RADIUS)
        radius = MAX_RADIUS;
}
