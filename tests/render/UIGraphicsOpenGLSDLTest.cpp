#include "render/UIGraphicsOpenGLSDL.h"
#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Every pixel of these pictures has its own colour, so copies can be traced.
Pixel traceable(int x, int y) {
    return {static_cast<Uint8>(x * 2), static_cast<Uint8>(y * 8), 200, 255};
}

// A texture made from a picture, read back; the texture itself is deleted.
struct Upload {
    GLint width = 0, height = 0, filter = 0, wrap = 0;
    std::vector<float> extents = std::vector<float>(4);
    std::vector<Pixel> texels;
    Pixel at(int x, int y) const { return texels[y * width + x]; }
};

Upload upload(const SurfacePtr& picture, unsigned flags = 0) {
    Upload result;
    GLuint texture = 0;
    EXPECT_TRUE(UIGraphicsOpenGLSDL().uploadTexture(&texture, picture.get(), flags,
                                                    result.extents.data(), nullptr));
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &result.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &result.height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &result.filter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &result.wrap);
    result.texels.resize(static_cast<size_t>(result.width) * result.height);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, result.texels.data());
    glDeleteTextures(1, &texture);
    return result;
}

} // namespace

TEST(UIGraphicsOpenGLSDL, UploadPadsToPowersOfTwoRepeatingTheEdgesAndSetsFilterAndWrap) {
    const Upload square = upload(makePicture(64, 64, traceable), LOAD_LINEAR | LOAD_CLAMP);
    EXPECT_EQ(std::pair(square.width, square.height), std::pair(64, 64));
    EXPECT_EQ(square.extents, (std::vector<float>{0, 0, 1, 1}));
    EXPECT_EQ(square.at(63, 63), traceable(63, 63));
    EXPECT_EQ(std::pair(square.filter, square.wrap), std::pair(GL_LINEAR, GL_CLAMP_TO_EDGE));

    const Upload padded = upload(makePicture(100, 30, traceable));
    EXPECT_EQ(std::pair(padded.width, padded.height), std::pair(128, 32));
    EXPECT_EQ(padded.extents, (std::vector<float>{0, 0, 0.78125f, 0.9375f}));
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(padded.at(100, y), traceable(99, y)) << y;
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(padded.at(x, 30), traceable(x, 29)) << x;
    EXPECT_EQ(padded.at(100, 30), traceable(99, 29));
    EXPECT_EQ(padded.at(101, 0), CLEAR);
    EXPECT_EQ(std::pair(padded.filter, padded.wrap), std::pair(GL_NEAREST, GL_REPEAT));

    // A 1-pixel-wide picture is neither bled nor replicated.
    const Upload thin = upload(makePicture(1, 3, [](int, int y) { return y == 1 ? CLEAR : RED; }));
    EXPECT_EQ(thin.width, 1);
    EXPECT_EQ(thin.at(0, 1), CLEAR);
    EXPECT_EQ(thin.at(0, 3), CLEAR);
}

TEST(UIGraphicsOpenGLSDL, TransparentPixelsNextToOpaqueOnesTakeTheirMeanColour) {
    // Top row: red, clear, blue, clear, clear; bottom row clear.
    const SurfacePtr picture = makePicture(5, 2, [](int x, int y) {
        return y == 0 && x == 0 ? RED : y == 0 && x == 2 ? BLUE : CLEAR;
    });
    bleedEdges(picture.get(), nullptr);
    EXPECT_EQ(pixelOf(picture.get(), 1, 0), (Pixel{127, 0, 127, 0})); // between red and blue
    EXPECT_EQ(pixelOf(picture.get(), 1, 1), (Pixel{127, 0, 127, 0})); // diagonally too
    EXPECT_EQ(pixelOf(picture.get(), 3, 0), (Pixel{0, 0, 255, 0}));
    EXPECT_EQ(pixelOf(picture.get(), 4, 0), CLEAR);
    EXPECT_EQ(pixelOf(picture.get(), 0, 0), RED);
}

TEST(UIGraphicsOpenGLSDL, EdgeClampNeedsVersion12OrAnExtension) {
    const std::tuple<const char*, const char*, GLint> cases[] = {
        {"1.1.0", "GL_ARB_multitexture", GL_CLAMP},
        {"1.1", "GL_ARB_x GL_SGIS_texture_edge_clamp", GL_CLAMP_TO_EDGE},
        {"1.1", "GL_EXT_texture_edge_clamp_more", GL_CLAMP},
        {"4.5 (Compatibility Profile) Mesa 22.3.6", nullptr, GL_CLAMP_TO_EDGE},
        {nullptr, nullptr, GL_CLAMP}};
    for (const auto& [version, extensions, mode] : cases)
        EXPECT_EQ(edgeClampWrapMode(version, extensions), mode) << (extensions ? extensions : "");
}

TEST(UIGraphicsOpenGLSDL, MissingFileGivesNullAndChangesNoGLState) {
    const GLint bound = glInteger(GL_TEXTURE_BINDING_2D);
    EXPECT_EQ(UIGraphicsOpenGLSDL().loadImage("no/such/file.png", IMAGE_FILE_FLAGS), nullptr);
    EXPECT_EQ(glInteger(GL_TEXTURE_BINDING_2D), bound);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(UIGraphicsOpenGLSDL, Begin2DSetsUpBlendingAndEnd2DRestoresWhatItChanged) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 3, -2, 5, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(3, 4, 0);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    const std::vector<float> before = restorableState();
    UIGraphicsOpenGLSDL graphics;
    graphics.begin2D();
    EXPECT_TRUE(glIsEnabled(GL_BLEND) && glIsEnabled(GL_TEXTURE_2D) && !glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(glInteger(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    graphics.end2D();
    EXPECT_EQ(restorableState(), before);
    glDisable(GL_DEPTH_TEST);
}
