#include "render/PictureFile.h"

#include <SDL_image.h>

SDL_Surface* decodePicture(SDL_RWops* source, bool freeSource) {
    return IMG_Load_RW(source, freeSource ? 1 : 0);
}

SDL_Surface* loadPictureFile(const char* path) { return IMG_Load(path); }
