// Many copies of one image in one blend mode and colour, pivoted on their positions, drawn as
// one vertex array: the particle sprites of a frame.
#pragma once

#include "render/UIImage.h"

#include <GL/gl.h>

#include <vector>

class UIImageOpenGL;

class SpriteBatch {
public:
    /// Two triangles a sprite, the same two the image's own triangle strip draws.
    static constexpr int VERTICES_PER_SPRITE = 6;
    /// Draw flags of every sprite: transformed, the image's pivot on the position.
    static constexpr unsigned SPRITE_FLAGS = DRAW_TRANSFORMED | DRAW_PIVOT;

    /// Allocates room for `capacity` sprites once; a frame with more is drawn in several arrays.
    explicit SpriteBatch(int capacity);
    SpriteBatch(const SpriteBatch&) = delete;
    SpriteBatch& operator=(const SpriteBatch&) = delete;

    /// Starts a run of sprites, each drawn as image.draw(blendMode, SPRITE_FLAGS, x, y, rgba)
    /// would draw it with the matrices current now: 2-D ones (an orthographic projection, no
    /// rotation), as begin2D sets, that stay until the run is flushed. Images that are not
    /// OpenGL textures are drawn that way, one at a time. The image must outlive the run.
    void begin(UIImage& image, int blendMode, const float rgba[4]);
    /// Adds the sprite pivoted on (x, y); draws the batch first when it is full.
    void add(float x, float y) {
        if (!arrayImage) {
            image->draw(blendMode, SPRITE_FLAGS, x, y, color);
            return;
        }
        if (count == capacity)
            flush();
        float origin[2];
        projectOrigin(x, y, origin);
        Vertex* vertex = &vertices[static_cast<size_t>(count) * VERTICES_PER_SPRITE];
        for (int corner : TRIANGLE_CORNERS) {
            vertex->x = cornerOffsets[corner][0] + origin[0];
            vertex->y = cornerOffsets[corner][1] + origin[1];
            ++vertex;
        }
        ++count;
    }
    /// Draws the sprites added since begin or the last flush, in the order they were added.
    /// GL state afterwards is as after image.draw: the colour set, the texture bound, and the
    /// blend function and matrices as they were, the client arrays off.
    void flush();

    /// Sprites one vertex array holds.
    int getCapacity() const { return capacity; }
    /// Floats of vertex storage held (positions and texture coordinates): fixed at
    /// construction, since the batch never allocates again.
    size_t getStorageFloats() const { return vertices.capacity() * 4; }
    /// Makes later runs draw one image.draw at a time even for OpenGL images: the reference
    /// the batched drawing is measured and checked against.
    void setOneAtATime(bool oneAtATime) { forceOneAtATime = oneAtATime; }

private:
    /// One vertex: clip coordinates (drawn with identity matrices) and texture coordinates,
    /// interleaved in one array as the browser's GL emulation needs.
    struct Vertex {
        GLfloat x, y, s, t;
    };
    /// Corners 0 left-top, 1 right-top, 2 left-bottom, 3 right-bottom in the order of the
    /// strip's triangles (0, 1, 2) and (2, 1, 3).
    static constexpr int TRIANGLE_CORNERS[VERTICES_PER_SPRITE] = {0, 1, 2, 2, 1, 3};

    /// Clip coordinates x, y of the sprite's pivot: the translation column that
    /// glTranslatef(x, y, 0) gives the model-view matrix, then taken through the projection,
    /// each sum in the order GL forms the matrix product.
    void projectOrigin(float x, float y, float origin[2]) const {
        const float translated[4] = {
            sumOfProducts(modelview, 0, x, y, 0, 1), sumOfProducts(modelview, 1, x, y, 0, 1),
            sumOfProducts(modelview, 2, x, y, 0, 1), sumOfProducts(modelview, 3, x, y, 0, 1)};
        origin[0] = sumOfProducts(projection, 0, translated[0], translated[1], translated[2],
                                  translated[3]);
        origin[1] = sumOfProducts(projection, 1, translated[0], translated[1], translated[2],
                                  translated[3]);
    }
    /// Row `row` of a column-major matrix times (a, b, c, d), summed left to right.
    static float sumOfProducts(const float m[16], int row, float a, float b, float c, float d) {
        return m[row] * a + m[4 + row] * b + m[8 + row] * c + m[12 + row] * d;
    }
    void projectCorners(const UIImageOpenGL& image);
    void fillTexCoords(const float extents[4]);

    int capacity;
    std::vector<Vertex> vertices;
    float texCoordExtents[4] = {0, 0, 0, 0};
    int count = 0;
    bool forceOneAtATime = false;

    UIImage* image = nullptr;
    const UIImageOpenGL* arrayImage = nullptr; ///< null while drawing one at a time
    int blendMode = BLEND_NORMAL;
    float color[4] = {1, 1, 1, 1};
    float modelview[16] = {};
    float projection[16] = {};
    float cornerOffsets[4][2] = {}; ///< each corner's clip offset from the projected pivot
};
