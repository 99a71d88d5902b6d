// One frame of the simulation screen: background or overlay gradient, grid lines, cell
// vectors, particle sprites, the brush circle, and the panel.
#include "screens/GameState.h"

#include "render/UIGraphics.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "render/UIImage.h"
#include "ui/UISlider.h"

#include <GL/gl.h>

#include <cmath>

namespace {
constexpr int BACKGROUND_MODE = 3;
constexpr int WIDTH = 1024;
constexpr int HEIGHT = 768;
constexpr int CIRCLE_SEGMENTS = 64;
constexpr double PI = 3.14159265358979323846;
} // namespace

void GameState::draw(SDL_Surface*) {
    clearScreen(0, 0, 0);
    graphics->begin2D();
    if (gradientMode == BACKGROUND_MODE)
        drawGradient(BLEND_NORMAL);
    glDisable(GL_TEXTURE_2D);
    if (showGrid)
        drawGrid();
    if (showCells)
        drawCells();
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    drawParticles();
    glDisable(GL_TEXTURE_2D);
    if (brushVisible)
        drawBrush();
    glEnable(GL_TEXTURE_2D);
    if (gradientMode != BACKGROUND_MODE)
        drawGradient(gradientMode);
    graphics->end2D();
    ui.draw();
}

void GameState::drawGradient(int blendMode) {
    gradientImage->setSizeInt(WIDTH, HEIGHT);
    gradientImage->drawRGBA(blendMode, DRAW_SCALE, 0, 0, gradientColor[0], gradientColor[1],
                            gradientColor[2], 1);
}

void GameState::drawGrid() {
    glColor3f(0.25f, 0.25f, 0.5f);
    glBegin(GL_LINES);
    for (int y = 0; y < HEIGHT; y += FlowField::CELL_SIZE) {
        glVertex2f(0, static_cast<float>(y));
        glVertex2f(WIDTH, static_cast<float>(y));
    }
    for (int x = 0; x < WIDTH; x += FlowField::CELL_SIZE) {
        glVertex2f(static_cast<float>(x), 0);
        glVertex2f(static_cast<float>(x), HEIGHT);
    }
    glEnd();
}

void GameState::drawCells() {
    glColor3f(0.25f, 0.5f, 0.25f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
    glEnable(GL_LINE_SMOOTH);
    glBegin(GL_LINES);
    for (int row = 0; row < FlowField::ROWS; ++row) {
        for (int column = 0; column < FlowField::COLUMNS; ++column) {
            const FieldVector& cell = (*field)[row * FlowField::COLUMNS + column];
            const float x = static_cast<float>(FlowField::centreX(column));
            const float y = static_cast<float>(FlowField::centreY(row));
            glVertex2f(x, y);
            glVertex2f(x + cell.x, y + cell.y);
        }
    }
    glEnd();
    glDisable(GL_LINE_SMOOTH);
}

void GameState::drawParticles() {
    const float m = static_cast<float>(colorMulSlider->getValue());
    const float grey = m * m * m;
    const float rgba[4] = {grey, grey, grey, 1};
    const int count = liveCount();
    const Particle* live = particles->data();
    particleBatch.begin(*flareImage, particleMode, rgba);
    for (int i = 0; i < count; ++i)
        particleBatch.add(live[i].x, live[i].y);
    particleBatch.flush();
}

void GameState::drawBrush() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
    glEnable(GL_LINE_SMOOTH);
    glLineWidth(3);
    glColor3f(0.5f, 0.5f, 0.5f);
    const float x = static_cast<float>(getCursorX());
    const float y = static_cast<float>(getCursorY());
    glBegin(GL_LINE_STRIP);
    for (int j = 0; j <= CIRCLE_SEGMENTS; ++j) {
        const double angle = j * PI / 32;
        glVertex2f(static_cast<float>(x + std::cos(angle) * brushRadius),
                   static_cast<float>(y + std::sin(angle) * brushRadius));
    }
    glEnd();
    brushVisible = false;
    glDisable(GL_LINE_SMOOTH);
    glLineWidth(1);
    // Blending stays on with the normal function, so the overlay looks the same in frames
    // with and without the circle.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}
