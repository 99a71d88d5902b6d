#include "render/SpriteBatch.h"

#include "render/BlendModeScope.h"
#include "render/UIImageOpenGL.h"

#include <algorithm>

namespace {

/// Loads identity matrices for its life, then the given ones again. The projection stack may
/// be only two deep, and begin2D has used both, so the matrices are reloaded, not pushed.
class IdentityMatrices {
public:
    IdentityMatrices(const float modelview[16], const float projection[16])
        : modelview(modelview), projection(projection) {
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }
    ~IdentityMatrices() {
        glLoadMatrixf(modelview);
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixf(projection);
        glMatrixMode(static_cast<GLenum>(mode));
    }
    IdentityMatrices(const IdentityMatrices&) = delete;
    IdentityMatrices& operator=(const IdentityMatrices&) = delete;

private:
    const float* modelview;
    const float* projection;
    GLint mode = GL_MODELVIEW;
};

} // namespace

SpriteBatch::SpriteBatch(int capacity)
    : capacity(std::max(capacity, 1)),
      vertices(static_cast<size_t>(this->capacity) * VERTICES_PER_SPRITE) {}

void SpriteBatch::begin(UIImage& image, int blendMode, const float rgba[4]) {
    flush();
    this->image = &image;
    this->blendMode = blendMode;
    std::copy(rgba, rgba + 4, color);
    // Only an OpenGL image can hand over its texture and geometry for the vertex array.
    arrayImage = forceOneAtATime ? nullptr : dynamic_cast<const UIImageOpenGL*>(&image);
    if (!arrayImage)
        return;
    projectCorners(*arrayImage);
    const float* extents = arrayImage->getExtents();
    if (!std::equal(extents, extents + 4, texCoordExtents))
        fillTexCoords(extents);
}

// The one-at-a-time draw moves each sprite with the model-view matrix, so GL adds the
// projected pivot to the projected corner. Adding them in another order (pivot plus corner in
// window pixels, then projecting) can move a vertex by a rounding step, which decides pixels
// whose centres lie exactly on a sprite's edge or a texel's border (sprites at half pixels).
// So the vertices are built in clip coordinates the way GL builds them and drawn with
// identity matrices.
void SpriteBatch::projectCorners(const UIImageOpenGL& sprite) {
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    float linear[2][2]; // the x and y columns of projection x model-view, rows x and y
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < 2; ++row)
            linear[column][row] =
                sumOfProducts(projection, row, modelview[column * 4], modelview[column * 4 + 1],
                              modelview[column * 4 + 2], modelview[column * 4 + 3]);
    float quad[4];
    sprite.getPivotedQuad(quad);
    for (int corner = 0; corner < 4; ++corner) {
        const float x = quad[corner % 2 == 0 ? 0 : 2];
        const float y = quad[corner < 2 ? 1 : 3];
        // Without rotation one of the two products is zero, so this is the vertex stage's
        // sum however it orders or fuses the operations.
        for (int row = 0; row < 2; ++row)
            cornerOffsets[corner][row] = x * linear[0][row] + y * linear[1][row];
    }
}

// Every sprite uses the same texture coordinates, so they are written once per picture.
void SpriteBatch::fillTexCoords(const float extents[4]) {
    std::copy(extents, extents + 4, texCoordExtents);
    Vertex* vertex = vertices.data();
    for (int sprite = 0; sprite < capacity; ++sprite)
        for (int corner : TRIANGLE_CORNERS) {
            vertex->s = extents[corner % 2 == 0 ? 0 : 2];
            vertex->t = extents[corner < 2 ? 1 : 3];
            ++vertex;
        }
}

void SpriteBatch::flush() {
    if (count == 0)
        return;
    const BlendModeScope blend(blendMode);
    const IdentityMatrices identity(modelview, projection);
    glColor4fv(color);
    glBindTexture(GL_TEXTURE_2D, arrayImage->getTexture());
    // Nothing else draws from client arrays, so they are switched off again after the draw.
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].x);
    glTexCoordPointer(2, GL_FLOAT, sizeof(Vertex), &vertices[0].s);
    glDrawArrays(GL_TRIANGLES, 0, count * VERTICES_PER_SPRITE);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    count = 0;
}
