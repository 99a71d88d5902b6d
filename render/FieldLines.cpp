#include "render/FieldLines.h"

#include <GL/gl.h>

#include <cmath>

namespace {
constexpr int CIRCLE_SEGMENTS = 64;
constexpr double PI = 3.14159265358979323846;

void beginSmoothLines() {
    glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
    glEnable(GL_LINE_SMOOTH);
}
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
    beginSmoothLines();
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
    glDisable(GL_LINE_SMOOTH);
}

void drawBrushCircle(float x, float y, float radius) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    beginSmoothLines();
    glLineWidth(3);
    glColor3f(0.5f, 0.5f, 0.5f);
    glBegin(GL_LINE_STRIP);
    for (int j = 0; j <= CIRCLE_SEGMENTS; ++j) {
        const double angle = j * PI / 32;
        glVertex2f(static_cast<float>(x + std::cos(angle) * radius),
                   static_cast<float>(y + std::sin(angle) * radius));
    }
    glEnd();
    glDisable(GL_LINE_SMOOTH);
    glLineWidth(1);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
