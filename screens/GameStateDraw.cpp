// One frame of the simulation screen: background or overlay gradient, grid lines, cell
// vectors, particle sprites, the brush circle, and the panel.
#include "screens/GameState.h"

#include "render/FieldLines.h"
#include "render/GLPlatform.h"
#include "render/UIGraphics.h"
#include "render/UIGraphicsOpenGLSDL.h"
#include "render/UIImage.h"
#include "screens/PanelLayout.h"

#include <GL/gl.h>

void GameState::draw(SDL_Surface*) {
    const Settings& settings = model->settings();
    const bool background = settings.gradientMode == GradientMode::Background;
    clearScreen(0, 0, 0);
    graphics->begin2D();
    if (background)
        drawGradient(BLEND_NORMAL);
    setTexturing(false);
    if (settings.showGrid)
        drawGridLines(context.width, context.height, FlowField::CELL_SIZE);
    if (settings.showCells)
        drawCellVectors(model->field());
    setTexturing(true);
    glColor3f(1, 1, 1);
    drawParticles();
    setTexturing(false);
    if (brushVisible) {
        const Brush& brush = model->brush();
        drawBrushCircle(static_cast<float>(brush.cursorX()), static_cast<float>(brush.cursorY()),
                        brush.radius);
        brushVisible = false;
    }
    setTexturing(true);
    if (!background)
        drawGradient(static_cast<int>(settings.gradientMode));
    graphics->end2D();
    ui.draw();
    notice.draw(*graphics, *context.smallFont, context.width / 2.0f, PanelLayout::NOTICE_Y);
}

void GameState::drawGradient(int blendMode) {
    const float* tint = model->tint().color();
    gradientImage->setSizeInt(context.width, context.height);
    gradientImage->drawRGBA(blendMode, DRAW_SCALE, 0, 0, tint[0], tint[1], tint[2], 1);
}

void GameState::drawParticles() {
    const float m = static_cast<float>(model->settings().colorMul);
    const float grey = m * m * m;
    const float rgba[4] = {grey, grey, grey, 1};
    const int count = model->liveCount();
    const Particle* live = model->particles().data();
    particleBatch.begin(*flareImage, static_cast<int>(model->settings().particleMode), rgba);
    for (int i = 0; i < count; ++i)
        particleBatch.add(live[i].x, live[i].y);
    particleBatch.flush();
}
