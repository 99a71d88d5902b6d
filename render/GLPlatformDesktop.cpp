#include "render/GLPlatform.h"

void pushDrawState(GLbitfield groups) { glPushAttrib(groups); }

void popDrawState() { glPopAttrib(); }

void setTexturing(bool on) { on ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D); }

void setLineSmoothing(bool on) {
    if (on) {
        glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
        glEnable(GL_LINE_SMOOTH);
    } else {
        glDisable(GL_LINE_SMOOTH);
    }
}

void drawWideLineStrip(const GLfloat* points, int count, GLfloat width) {
    glLineWidth(width);
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i < count; ++i)
        glVertex2f(points[2 * i], points[2 * i + 1]);
    glEnd();
    glLineWidth(1);
}

bool lockPixels(SDL_Surface* surface) { return SDL_LockSurface(surface) == 0; }

void unlockPixels(SDL_Surface* surface) { SDL_UnlockSurface(surface); }

// Per-surface alpha blending is switched off for the blit (so alpha is copied, not blended)
// and restored after.
bool copyPicture(SDL_Surface* source, const SDL_Rect* area, SDL_Surface* staging,
                 SDL_Rect* content) {
    const bool blended = source->flags & SDL_SRCALPHA;
    const Uint32 rle = (source->flags & SDL_RLEACCELOK) ? SDL_RLEACCEL : 0;
    const Uint8 alpha = source->format->alpha;
    if (blended)
        SDL_SetAlpha(source, 0, 0);
    SDL_Rect from = area ? *area : SDL_Rect{0, 0, content->w, content->h};
    const bool copied = SDL_UpperBlit(source, &from, staging, content) == 0;
    if (blended)
        SDL_SetAlpha(source, SDL_SRCALPHA | rle, alpha);
    return copied;
}
