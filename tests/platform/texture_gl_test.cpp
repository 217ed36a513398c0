#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/video.h"
#include "tests/platform/bmp_writer.h"
#include "tests/support/display.h"

namespace {

std::string TempPath(const std::string& name) {
    return testing::TempDir() + "orr_platform_gl_" + std::to_string(getpid()) + "_" + name;
}

GLint TextureParameter(GLenum name) {
    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
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
    glTexCoord2d(0, 0);
    glVertex2i(left, top);
    glTexCoord2d(1, 0);
    glVertex2i(right, top);
    glTexCoord2d(1, 1);
    glVertex2i(right, bottom);
    glTexCoord2d(0, 1);
    glVertex2i(left, bottom);
    glEnd();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void ClearTo(float r, float g, float b) {
    glClearColor(r, g, b, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0, 0, 0, 0);
}

class TextureTest : public testing::Test {
  protected:
    void SetUp() override { OpenGameWindow(); }
    void TearDown() override { EndFrame(); }
};

TEST_F(TextureTest, KeyedTextureHidesExactlyTheKeyColour) {
    // Top row: key, one blue step off the key, dark grey, white. Bottom row: the key again.
    BmpImage image{4,
                   2,
                   {{0, 0, 0},
                    {0, 0, 1},
                    {40, 40, 40},
                    {255, 255, 255},
                    {0, 0, 0},
                    {0, 0, 0},
                    {0, 0, 0},
                    {0, 0, 0}}};
    const std::string path = TempPath("keyed.bmp");
    WriteBmp(path, image, 24);
    const TextureId texture = LoadKeyedTexture(path.c_str(), 0, 0, 0, 1);

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<TextureId>(bound), texture);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
    EXPECT_EQ(TextureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);

    std::vector<std::uint8_t> texels(4 * 2 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    const std::vector<int> expectedAlpha = {255, 0, 0, 0, 255, 255, 255, 255};
    for (int i = 0; i < 8; ++i) {
        const BmpColour c = image.pixels[i];
        EXPECT_EQ(texels[4 * i + 0], c.r) << i;
        EXPECT_EQ(texels[4 * i + 1], c.g) << i;
        EXPECT_EQ(texels[4 * i + 2], c.b) << i;
        EXPECT_EQ(texels[4 * i + 3], expectedAlpha[i]) << i;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const TextureId nearest = LoadKeyedTexture(path.c_str(), 0, 0, 0, 0);
    EXPECT_NE(nearest, texture) << "nothing is cached";
    EXPECT_EQ(TextureParameter(GL_TEXTURE_MIN_FILTER), GL_NEAREST);
    GLint levelOneWidth = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 1, GL_TEXTURE_WIDTH, &levelOneWidth);
    EXPECT_EQ(levelOneWidth, 2) << "mipmap levels are built either way";
}

TEST_F(TextureTest, KeyColourIsCutOutOfTheDrawnFrame) {
    // Left half key, right half orange; drawn large so the halves' middles are unfiltered.
    BmpImage image{8, 8, {}};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            image.pixels.push_back(x < 4 ? BmpColour{0, 0, 0} : BmpColour{250, 150, 20});
        }
    }
    const std::string path = TempPath("cutout.bmp");
    WriteBmp(path, image, 32);
    const TextureId texture = LoadKeyedTexture(path.c_str(), 0, 0, 0, 1);

    ClearTo(0.0f, 0.0f, 1.0f);
    DrawTexturedRect(texture, 100, 100, 500, 500);
    const std::vector<std::uint8_t> frame = ReadFrameRgb();
    SaveRgbPng(testing::TempDir() + "orr_platform_cutout.png", frame);

    const Rgb keyHalf = PixelAt(frame, 200, 300);
    EXPECT_EQ(keyHalf.r, 0);
    EXPECT_EQ(keyHalf.g, 0);
    EXPECT_EQ(keyHalf.b, 255) << "the background shows through the key";
    const Rgb colourHalf = PixelAt(frame, 400, 300);
    EXPECT_NEAR(colourHalf.r, 250, 2);
    EXPECT_NEAR(colourHalf.g, 150, 2);
    EXPECT_NEAR(colourHalf.b, 20, 2);
    const Rgb outside = PixelAt(frame, 600, 300);
    EXPECT_EQ(outside.b, 255);
}

TEST_F(TextureTest, OddSizedWallTextureIsDrawnWhole) {
    // 3 x 5 is not a power of two; GLU rescales it. Black would be the font's key: a wall
    // texture has none, so even black texels are drawn.
    BmpImage image{3, 5, {}};
    for (int i = 0; i < 15; ++i) {
        image.pixels.push_back(i == 7 ? BmpColour{0, 0, 0} : BmpColour{200, 100, 50});
    }
    const std::string path = TempPath("odd.bmp");
    WriteBmp(path, image, 24);
    const TextureId texture = LoadTexture(path.c_str(), 32);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);

    ClearTo(0.0f, 0.0f, 1.0f);
    DrawTexturedRect(texture, 100, 100, 400, 600);
    const std::vector<std::uint8_t> frame = ReadFrameRgb();
    SaveRgbPng(testing::TempDir() + "orr_platform_odd_size.png", frame);
    const Rgb corner = PixelAt(frame, 110, 110);
    EXPECT_NEAR(corner.r, 200, 3);
    EXPECT_NEAR(corner.g, 100, 3);
    EXPECT_NEAR(corner.b, 50, 3);
    // Every pixel of the quad is drawn: no background blue inside it.
    for (int y = 100; y < 600; y += 7) {
        for (int x = 100; x < 400; x += 7) {
            const Rgb p = PixelAt(frame, x, y);
            ASSERT_FALSE(p.b == 255 && p.r == 0) << x << "," << y;
        }
    }
}

}  // namespace
