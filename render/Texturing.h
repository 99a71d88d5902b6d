// Preparing pictures for power-of-two OpenGL textures.
#pragma once

#include <GL/gl.h>
#include <SDL.h>

#include <memory>

#ifndef GL_CLAMP_TO_EDGE // OpenGL 1.1 headers (Windows') lack it
#define GL_CLAMP_TO_EDGE 0x812F
#endif

/// Frees an SDL surface when it goes out of scope.
struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

/// How far a colour channel's mask lies from bit 0 (0 for an empty mask).
int maskShift(Uint32 mask);

/// Smallest power of two >= v for v >= 1 (1 -> 1, 5 -> 8); 0 for 0.
unsigned nextPowerOfTwo(unsigned v);

/// Creates a zeroed 32-bit surface whose pixels lie in memory as the bytes R, G, B, A; null if
/// SDL cannot.
SurfacePtr createRGBASurface(int width, int height);

/// Prepares a 32-bit surface for filtered sampling: every transparent pixel next to opaque ones
/// takes their mean colour (keeping alpha 0), and the column and row just past the content
/// rectangle (whose corner is at 0, 0) repeat its last column and row. Does nothing to surfaces
/// that are not 32-bit or are narrower or lower than 2 pixels.
void bleedEdges(SDL_Surface* surface, const SDL_Rect* content);

/// Wrap mode that keeps sampling inside the texture: GL_CLAMP_TO_EDGE when the GL version
/// (1.2 or later, or any OpenGL ES) or an edge-clamp extension offers it, else GL_CLAMP. Null strings count as
/// offering nothing.
GLint edgeClampWrapMode(const char* version, const char* extensions);
