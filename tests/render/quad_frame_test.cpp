// The quad primitive on a real frame: which part of the texture lands where.
#include "render/quad.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/video.h"
#include "tests/support/display.h"

namespace {

// A 2 x 2 texture, first row (t = 0) red, green; second row blue, white. Alpha 0: drawn.
TextureId FourColourTexture() {
    OpenGameWindow();
    const std::uint8_t texels[] = {255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 255, 255, 255, 0};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    return name;
}

// Clip space = the screen: the quad from (-1, -1) with edges right and up fills it.
void FillScreen(TextureId texture, float s0, float t0, float s1, float t1) {
    EndFrame();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glColor3f(1, 1, 1);
    DrawQuadRegion({-1, -1, 0}, {2, 0, 0}, {0, 2, 0}, texture, s0, t0, s1, t1);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

bool Is(const Rgb& p, int r, int g, int b) { return p.r == r && p.g == g && p.b == b; }

TEST(Quad, FirstTextureRowAtTheFarEdgeAndRegionsCropTheTexture) {
    const TextureId texture = FourColourTexture();

    FillScreen(texture, 0, 0, 1, 1);
    auto frame = ReadFrameRgb();
    EXPECT_TRUE(Is(PixelAt(frame, 200, 150), 255, 0, 0));  // top left: row 0, column 0
    EXPECT_TRUE(Is(PixelAt(frame, 600, 150), 0, 255, 0));
    EXPECT_TRUE(Is(PixelAt(frame, 200, 450), 0, 0, 255));  // bottom left: row 1
    EXPECT_TRUE(Is(PixelAt(frame, 600, 450), 255, 255, 255));

    FillScreen(texture, 0.5f, 0.0f, 1.0f, 0.5f);
    frame = ReadFrameRgb();
    EXPECT_TRUE(Is(PixelAt(frame, 100, 100), 0, 255, 0));
    EXPECT_TRUE(Is(PixelAt(frame, 700, 500), 0, 255, 0));
}

TEST(Quad, KeepTextureDrawsWithTheBoundTexture) {
    const TextureId texture = FourColourTexture();
    const TextureId other = FourColourTexture();
    const auto bound = [] {
        GLint name = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return static_cast<TextureId>(name);
    };
    glBindTexture(GL_TEXTURE_2D, texture);
    DrawQuad({0, 0, -5}, {1, 0, 0}, {0, 1, 0}, KeepTexture);
    EXPECT_EQ(bound(), texture);
    DrawQuad({0, 0, -5}, {1, 0, 0}, {0, 1, 0}, other);
    EXPECT_EQ(bound(), other);
}

}  // namespace
