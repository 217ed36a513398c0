#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/image.h"
#include "platform/video.h"
#include "tests/platform/bmp_writer.h"
#include "tests/support/display.h"

namespace {

std::string WriteTempBmp(const std::string& name, const BmpImage& image, int bitsPerPixel) {
    const std::string path =
        testing::TempDir() + "orr_platform_gl_" + std::to_string(getpid()) + "_" + name;
    WriteBmp(path, image, bitsPerPixel);
    return path;
}

GLint MinFilter() {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    return value;
}

// Draws the texture over a rectangle given in window pixels (top-left origin).
void DrawTexturedRect(TextureId texture, int left, int top, int right, int bottom) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, kFrameWidth, kFrameHeight, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4f(1, 1, 1, 1);
    glBegin(GL_QUADS);
    for (const auto& [u, v] : {std::pair{0, 0}, {1, 0}, {1, 1}, {0, 1}}) {
        glTexCoord2i(u, v);
        glVertex2i(u == 0 ? left : right, v == 0 ? top : bottom);
    }
    glEnd();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void ExpectNear(const Rgb& got, const Rgb& want, int tolerance, const char* what) {
    EXPECT_NEAR(got.r, want.r, tolerance) << what;
    EXPECT_NEAR(got.g, want.g, tolerance) << what;
    EXPECT_NEAR(got.b, want.b, tolerance) << what;
}

TEST(TextureTest, OnlyTheExactKeyIsCutOutAndAWallTextureIsDrawnWhole) {
    OpenGameWindow();
    // Left half the key; right half orange over (0, 0, 1), one step off the key. Drawn large so
    // the middles of the texels are unfiltered.
    const auto keyedColour = [](int x, int y) {
        const BmpColour right = y < 4 ? BmpColour{250, 150, 20} : BmpColour{0, 0, 1};
        return x < 4 ? BmpColour{0, 0, 0} : right;
    };
    const std::string keyedPath = WriteTempBmp("keyed.bmp", MakeBmpImage(8, 8, keyedColour), 32);
    // 3 x 5 is not a power of two, so GLU rescales it. A wall texture has no key, so its black
    // texel is drawn too.
    const auto wallColour = [](int x, int y) {
        return x == 1 && y == 2 ? BmpColour{0, 0, 0} : BmpColour{200, 100, 50};
    };
    const std::string wallPath = WriteTempBmp("wall.bmp", MakeBmpImage(3, 5, wallColour), 24);

    glClearColor(0, 0, 1, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0, 0, 0, 0);
    const TextureId keyed = LoadKeyedTexture(keyedPath.c_str(), 0, 0, 0, 1);
    EXPECT_EQ(MinFilter(), GL_LINEAR_MIPMAP_NEAREST);
    DrawTexturedRect(keyed, 40, 100, 360, 500);
    DrawTexturedRect(LoadTexture(wallPath.c_str(), 32), 440, 50, 740, 550);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const std::vector<std::uint8_t> frame = ReadFrameRgb();
    SaveRgbPng(testing::TempDir() + "orr_platform_textures.png", frame);
    EndFrame();

    ExpectNear(PixelAt(frame, 120, 300), {0, 0, 255}, 0, "the background shows through the key");
    ExpectNear(PixelAt(frame, 280, 200), {250, 150, 20}, 2, "orange");
    ExpectNear(PixelAt(frame, 280, 400), {0, 0, 1}, 2, "one step off the key");
    ExpectNear(PixelAt(frame, 400, 300), {0, 0, 255}, 0, "between the rectangles");
    ExpectNear(PixelAt(frame, 450, 60), {200, 100, 50}, 3, "wall");
    // Every pixel of the wall is drawn: no background blue inside it.
    for (int y = 50; y < 550; y += 7) {
        for (int x = 440; x < 740; x += 7) {
            const Rgb p = PixelAt(frame, x, y);
            ASSERT_FALSE(p.b == 255 && p.r == 0) << x << "," << y;
        }
    }

    // Unmipmapped, minification picks the nearest texel.
    LoadKeyedTexture(keyedPath.c_str(), 0, 0, 0, 0);
    EXPECT_EQ(MinFilter(), GL_NEAREST);
}

}  // namespace
