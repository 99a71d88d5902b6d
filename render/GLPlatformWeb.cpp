// The browser's GL is an emulation of OpenGL 1.1 over WebGL. It has no attribute stack, cannot
// say whether texturing is on, draws lines one pixel wide and has no antialiased lines; its
// SDL keeps the pixels of every surface in memory with no canvas to blit from.
#include "render/GLPlatform.h"

#include "render/Texturing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <vector>

namespace {
// WebGL's names for the blend function's factors (the emulation knows no GL_BLEND_SRC).
constexpr GLenum BLEND_SRC_RGB = 0x80C9;
constexpr GLenum BLEND_DST_RGB = 0x80C8;
constexpr GLenum SAVED_FLAGS[] = {GL_BLEND, GL_DEPTH_TEST, GL_CULL_FACE};

struct DrawState {
    GLbitfield groups;
    GLint blendSource;
    GLint blendDestination;
    bool flags[std::size(SAVED_FLAGS)];
    bool texturing;
};

std::vector<DrawState> savedStates;
bool texturingOn = false;

/// Moves the red, green, blue and alpha bytes of one 32-bit pixel layout into another's places.
class PixelConverter {
public:
    PixelConverter(const SDL_PixelFormat& from, const SDL_PixelFormat& to)
        : fromMasks{from.Rmask, from.Gmask, from.Bmask, from.Amask}, toMasks{to.Rmask, to.Gmask,
                                                                             to.Bmask, to.Amask} {
        for (int channel = 0; channel < 4; ++channel) {
            fromShifts[channel] = maskShift(fromMasks[channel]);
            toShifts[channel] = maskShift(toMasks[channel]);
        }
    }
    Uint32 operator()(Uint32 pixel) const {
        Uint32 converted = 0;
        for (int channel = 0; channel < 4; ++channel) {
            const Uint32 value = (pixel & fromMasks[channel]) >> fromShifts[channel];
            converted |= (value << toShifts[channel]) & toMasks[channel];
        }
        return converted;
    }

private:
    Uint32 fromMasks[4], toMasks[4];
    int fromShifts[4] = {}, toShifts[4] = {};
};

Uint32* rowOf(SDL_Surface* surface, int y) {
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
}
} // namespace

void pushDrawState(GLbitfield groups) {
    DrawState state{groups, GL_ONE, GL_ZERO, {}, texturingOn};
    glGetIntegerv(BLEND_SRC_RGB, &state.blendSource);
    glGetIntegerv(BLEND_DST_RGB, &state.blendDestination);
    for (size_t i = 0; i < std::size(SAVED_FLAGS); ++i)
        state.flags[i] = glIsEnabled(SAVED_FLAGS[i]);
    savedStates.push_back(state);
}

void popDrawState() {
    if (savedStates.empty())
        return;
    const DrawState state = savedStates.back();
    savedStates.pop_back();
    if (state.groups & GL_COLOR_BUFFER_BIT) {
        glBlendFunc(static_cast<GLenum>(state.blendSource),
                    static_cast<GLenum>(state.blendDestination));
        state.flags[0] ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
    }
    if (state.groups & GL_ENABLE_BIT) {
        for (size_t i = 0; i < std::size(SAVED_FLAGS); ++i)
            state.flags[i] ? glEnable(SAVED_FLAGS[i]) : glDisable(SAVED_FLAGS[i]);
        setTexturing(state.texturing);
    }
}

void setTexturing(bool on) {
    texturingOn = on;
    on ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
}

void setLineSmoothing(bool) {}

// Each segment becomes a quad `width` wide around it.
void drawWideLineStrip(const GLfloat* points, int count, GLfloat width) {
    glBegin(GL_QUADS);
    for (int i = 0; i + 1 < count; ++i) {
        const GLfloat x0 = points[2 * i], y0 = points[2 * i + 1];
        const GLfloat x1 = points[2 * i + 2], y1 = points[2 * i + 3];
        const GLfloat length = std::hypot(x1 - x0, y1 - y0);
        if (length == 0)
            continue;
        const GLfloat nx = (y0 - y1) / length * width / 2, ny = (x1 - x0) / length * width / 2;
        glVertex2f(x0 + nx, y0 + ny);
        glVertex2f(x1 + nx, y1 + ny);
        glVertex2f(x1 - nx, y1 - ny);
        glVertex2f(x0 - nx, y0 - ny);
    }
    glEnd();
}

bool lockPixels(SDL_Surface* surface) {
    return surface->pixels != nullptr;
}

void unlockPixels(SDL_Surface*) {}

bool copyPicture(SDL_Surface* source, const SDL_Rect* area, SDL_Surface* staging,
                 SDL_Rect* content) {
    if (!source->pixels || !staging->pixels || source->format->BytesPerPixel != 4 ||
        staging->format->BytesPerPixel != 4)
        return false;
    const SDL_Rect from = area ? *area : SDL_Rect{0, 0, content->w, content->h};
    const int left = std::max<int>(from.x, 0), top = std::max<int>(from.y, 0);
    const int width = std::min({from.x + from.w, source->w, left + staging->w}) - left;
    const int height = std::min({from.y + from.h, source->h, top + staging->h}) - top;
    std::memset(staging->pixels, 0, static_cast<size_t>(staging->pitch) * staging->h);
    content->w = static_cast<Uint16>(std::max(width, 0));
    content->h = static_cast<Uint16>(std::max(height, 0));
    const PixelConverter convert(*source->format, *staging->format);
    for (int y = 0; y < height; ++y) {
        const Uint32* in = rowOf(source, top + y) + left;
        Uint32* out = rowOf(staging, y);
        for (int x = 0; x < width; ++x)
            out[x] = convert(in[x]);
    }
    return true;
}
