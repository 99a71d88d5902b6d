#include "render/UIGraphicsOpenGLSDL.h"
#include "render/UIImage.h"
#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>

namespace {

// Every pixel of these pictures has its own colour, so copies can be traced.
Pixel traceable(int x, int y) {
    return {static_cast<Uint8>(x * 2), static_cast<Uint8>(y * 8), 200, 255};
}

// A texture uploaded from a picture, read back, and deleted at the end of the test.
struct Upload {
    GLuint texture = 0;
    std::vector<float> extents = std::vector<float>(4);
    TextureImage image;

    explicit Upload(SDL_Surface* picture, unsigned flags = 0) {
        UIGraphicsOpenGLSDL graphics;
        EXPECT_TRUE(graphics.uploadTexture(&texture, picture, flags, extents.data(), nullptr));
        image = readBoundTexture();
    }
    ~Upload() { glDeleteTextures(1, &texture); }
};

std::array<float, 16> matrix(GLenum which) {
    std::array<float, 16> values;
    glGetFloatv(which, values.data());
    return values;
}

GLint integer(GLenum which) {
    GLint value;
    glGetIntegerv(which, &value);
    return value;
}

} // namespace

TEST(UIGraphicsOpenGLSDL, PowerOfTwoPictureFillsItsTexture) {
    const Upload upload(makePicture(64, 64, traceable).get());
    EXPECT_EQ(upload.image.width, 64);
    EXPECT_EQ(upload.image.height, 64);
    EXPECT_EQ(upload.extents, std::vector<float>({0, 0, 1, 1}));
    EXPECT_EQ(upload.image.at(63, 63), traceable(63, 63));
}

TEST(UIGraphicsOpenGLSDL, PaddingRepeatsTheLastColumnAndRow) {
    const Upload upload(makePicture(100, 30, traceable).get());
    EXPECT_EQ(upload.image.width, 128);
    EXPECT_EQ(upload.image.height, 32);
    EXPECT_EQ(upload.extents, std::vector<float>({0, 0, 0.78125f, 0.9375f}));
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(upload.image.at(100, y), traceable(99, y)) << y;
    for (int x = 0; x < 100; ++x)
        EXPECT_EQ(upload.image.at(x, 30), traceable(x, 29)) << x;
    EXPECT_EQ(upload.image.at(100, 30), traceable(99, 29));
    EXPECT_EQ(upload.image.at(101, 0), (Pixel{0, 0, 0, 0}));
}

TEST(UIGraphicsOpenGLSDL, OnePixelWidePictureIsNeitherBledNorReplicated) {
    const SurfacePtr picture = makePicture(1, 3, [](int, int y) {
        return y == 1 ? Pixel{0, 0, 0, 0} : Pixel{255, 0, 0, 255};
    });
    const Upload upload(picture.get());
    EXPECT_EQ(upload.image.width, 1);
    EXPECT_EQ(upload.image.at(0, 1), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(upload.image.at(0, 3), (Pixel{0, 0, 0, 0}));
}

TEST(UIGraphicsOpenGLSDL, UploadCopiesAlphaAndLeavesTheSourceAsItWas) {
    const SurfacePtr translucent = makePicture(4, 4, [](int, int) {
        return Pixel{10, 20, 30, 40};
    });
    SDL_SetAlpha(translucent.get(), SDL_SRCALPHA, 200);
    EXPECT_EQ(Upload(translucent.get()).image.at(3, 3), (Pixel{10, 20, 30, 40}));
    EXPECT_TRUE(translucent->flags & SDL_SRCALPHA);
    EXPECT_EQ(translucent->format->alpha, 200);

    const SurfacePtr opaque(SDL_CreateRGBSurface(SDL_SWSURFACE, 2, 2, 24, 0, 0, 0, 0));
    SDL_FillRect(opaque.get(), nullptr, SDL_MapRGB(opaque->format, 1, 2, 3));
    EXPECT_EQ(Upload(opaque.get()).image.at(1, 1), (Pixel{1, 2, 3, 255}));
}

TEST(UIGraphicsOpenGLSDL, LoadFlagsChooseFilterAndWrap) {
    const SurfacePtr picture = makePicture(2, 2, traceable);
    for (const unsigned flags : {0x9u, LOAD_LINEAR | LOAD_CLAMP}) {
        const Upload upload(picture.get(), flags);
        const GLint filter = flags & LOAD_LINEAR ? GL_LINEAR : GL_NEAREST;
        const GLint wrap = flags & LOAD_CLAMP ? GL_CLAMP_TO_EDGE : GL_REPEAT;
        for (const auto& [name, expected] : {std::pair{GL_TEXTURE_MAG_FILTER, filter},
                                             {GL_TEXTURE_MIN_FILTER, filter},
                                             {GL_TEXTURE_WRAP_S, wrap},
                                             {GL_TEXTURE_WRAP_T, wrap}}) {
            GLint value;
            glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
            EXPECT_EQ(value, expected) << std::hex << "flags " << flags << " parameter " << name;
        }
    }
}

TEST(UIGraphicsOpenGLSDL, CreateImageCutsTheAreaAndRefusesEmptyOnes) {
    UIGraphicsOpenGLSDL graphics;
    const SurfacePtr picture = makePicture(40, 40, traceable);
    const SDL_Rect area = {10, 20, 7, 16}, empty = {0, 0, 0, 16};
    const std::unique_ptr<UIImage> image(graphics.createImage(picture.get(), 0x30000, &area));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->getWidth(), 7);
    EXPECT_EQ(image->getHeight(), 16);
    EXPECT_EQ(readBoundTexture().at(0, 0), traceable(10, 20));
    EXPECT_EQ(graphics.createImage(picture.get(), 0, &empty), nullptr);
    EXPECT_EQ(graphics.createImage(nullptr, 0, nullptr), nullptr);
}

TEST(UIGraphicsOpenGLSDL, LoadsPictureFilesAndReturnsNullForMissingOnes) {
    const std::string path = testing::TempDir() + "picture.bmp";
    ASSERT_EQ(SDL_SaveBMP(makePicture(5, 3, traceable).get(), path.c_str()), 0);
    UIGraphicsOpenGLSDL graphics;
    const std::unique_ptr<UIImage> image(graphics.loadImage(path.c_str(), 0x20009));
    std::remove(path.c_str());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->getWidth(), 5);
    EXPECT_EQ(readBoundTexture().at(4, 2), traceable(4, 2));

    const GLint bound = integer(GL_TEXTURE_BINDING_2D);
    EXPECT_EQ(graphics.loadImage("no/such/file.png", 0x20009), nullptr);
    EXPECT_EQ(graphics.loadSurface("no/such/file.png"), nullptr);
    EXPECT_EQ(integer(GL_TEXTURE_BINDING_2D), bound);
}

TEST(UIGraphicsOpenGLSDL, End2DRestoresWhatBegin2DChanged) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 3, -2, 5, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(3, 4, 0);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ZERO);
    const auto projection = matrix(GL_PROJECTION_MATRIX), modelview = matrix(GL_MODELVIEW_MATRIX);

    UIGraphicsOpenGLSDL graphics;
    graphics.begin2D();
    EXPECT_TRUE(glIsEnabled(GL_BLEND) && glIsEnabled(GL_TEXTURE_2D) && !glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_SRC_ALPHA);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_MODELVIEW);
    graphics.end2D();

    EXPECT_EQ(matrix(GL_PROJECTION_MATRIX), projection);
    EXPECT_EQ(matrix(GL_MODELVIEW_MATRIX), modelview);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST) && !glIsEnabled(GL_BLEND) &&
                !glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(integer(GL_BLEND_SRC), GL_ONE);
    EXPECT_EQ(integer(GL_BLEND_DST), GL_ZERO);
    EXPECT_EQ(integer(GL_MATRIX_MODE), GL_PROJECTION);
    glDisable(GL_DEPTH_TEST);
}

TEST(UIGraphicsOpenGLSDL, ClearScreenFillsTheWindow) {
    clearScreen(0.2f, 0.4f, 0.6f);
    EXPECT_EQ(GLWindow::readPixel(1023, 767), (Pixel{51, 102, 153, 255}));
}
