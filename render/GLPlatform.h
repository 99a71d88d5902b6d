// The few drawing operations that differ between the desktop's OpenGL and the browser's
// emulation of OpenGL 1.1 over WebGL. Everything else draws with plain OpenGL 1.1 that both
// run alike. Each platform has its own source file.
#pragma once

#include <GL/gl.h>
#include <SDL.h>

/// Saves the state of the given attribute groups (GL_COLOR_BUFFER_BIT for the blend function,
/// GL_ENABLE_BIT for the enable flags) until the matching popDrawState.
void pushDrawState(GLbitfield groups);
/// Restores what the last pushDrawState saved.
void popDrawState();
/// Switches 2-D texturing on or off (the browser's GL cannot be asked whether it is on).
void setTexturing(bool on);
/// Switches antialiased lines on or off where the GL draws them.
void setLineSmoothing(bool on);
/// Draws a line `width` pixels wide through `count` points (x, y pairs) in the current colour.
void drawWideLineStrip(const GLfloat* points, int count, GLfloat width);
/// Makes a surface's pixels readable and writable until unlockPixels; false if they are not.
bool lockPixels(SDL_Surface* surface);
void unlockPixels(SDL_Surface* surface);
/// Copies the picture's `area` (all of it if null) into the top-left corner of `staging`
/// with its own alpha channel, not blended; `content` receives the part that was copied.
bool copyPicture(SDL_Surface* source, const SDL_Rect* area, SDL_Surface* staging,
                 SDL_Rect* content);
