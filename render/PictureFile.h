// Decoding the program's picture files (PNG) into SDL surfaces. Each platform has its own
// source file: SDL_image where there is one, libpng on Windows.
#pragma once

#include <SDL.h>

/// Decodes a stream into a new surface owned by the caller (closing the stream when
/// freeSource); null if it cannot be decoded.
SDL_Surface* decodePicture(SDL_RWops* source, bool freeSource);
/// Decodes a picture file into a new surface owned by the caller; null on failure.
SDL_Surface* loadPictureFile(const char* path);
