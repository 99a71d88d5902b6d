#include "render/FieldLines.h"

#include "render/GLPlatform.h"

#include <cmath>

namespace {
constexpr int CIRCLE_SEGMENTS = 64;
constexpr double PI = 3.14159265358979323846;
} // namespace

void drawGridLines(int width, int height, int spacing) {
    glColor3f(0.25f, 0.25f, 0.5f);
    glBegin(GL_LINES);
    for (int y = 0; y < height; y += spacing) {
        glVertex2f(0, static_cast<float>(y));
        glVertex2f(static_cast<float>(width), static_cast<float>(y));
    }
    for (int x = 0; x < width; x += spacing) {
        glVertex2f(static_cast<float>(x), 0);
        glVertex2f(static_cast<float>(x), static_cast<float>(height));
    }
    glEnd();
}

void drawCellVectors(const FlowField& field) {
    glColor3f(0.25f, 0.5f, 0.25f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    setLineSmoothing(true);
    glBegin(GL_LINES);
    for (int row = 0; row < FlowField::ROWS; ++row) {
        for (int column = 0; column < FlowField::COLUMNS; ++column) {
            const FieldVector& cell = field[row * FlowField::COLUMNS + column];
            const float x = static_cast<float>(FlowField::centreX(column));
            const float y = static_cast<float>(FlowField::centreY(row));
            glVertex2f(x, y);
            glVertex2f(x + cell.x, y + cell.y);
        }
    }
    glEnd();
    setLineSmoothing(false);
}

void drawBrushCircle(float x, float y, float radius) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    setLineSmoothing(true);
    glColor3f(0.5f, 0.5f, 0.5f);
    GLfloat points[2 * (CIRCLE_SEGMENTS + 1)];
    for (int j = 0; j <= CIRCLE_SEGMENTS; ++j) {
        const double angle = j * PI / 32;
        points[2 * j] = static_cast<float>(x + std::cos(angle) * radius);
        points[2 * j + 1] = static_cast<float>(y + std::sin(angle) * radius);
    }
    drawWideLineStrip(points, CIRCLE_SEGMENTS + 1, 3);
    setLineSmoothing(false);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
