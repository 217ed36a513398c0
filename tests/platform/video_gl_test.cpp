#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "platform/video.h"
#include "tests/support/display.h"

namespace {

class VideoTest : public testing::Test {
  protected:
    void SetUp() override { OpenGameWindow(); }
};

GLint Integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

TEST_F(VideoTest, InitVideoSetsTheStateTheGameReliesOn) {
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_EQ(Integer(GL_DEPTH_FUNC), GL_LEQUAL);
    // Clamped reference: only alpha 255 (the colour key) is discarded.
    EXPECT_EQ(Integer(GL_ALPHA_TEST_FUNC), GL_LESS);
    GLfloat reference = 0;
    glGetFloatv(GL_ALPHA_TEST_REF, &reference);
    EXPECT_FLOAT_EQ(reference, 1.0f);

    // 45 degrees in y, aspect 4/3, near 1, far 10000.
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double f = 1.0 / std::tan(45.0 / 2.0 * M_PI / 180.0);
    EXPECT_NEAR(projection[0], f * 3.0 / 4.0, 1e-6);
    EXPECT_NEAR(projection[5], f, 1e-6);
    EXPECT_NEAR(projection[10], -10001.0 / 9999.0, 1e-6);
    EXPECT_NEAR(projection[14], -20000.0 / 9999.0, 1e-6);
}

TEST_F(VideoTest, EndFrameLeavesAClearedBufferAndIdentityModelView) {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glTranslated(3.0, 4.0, 5.0);
    glMatrixMode(GL_PROJECTION);
    EndFrame();

    EXPECT_EQ(Integer(GL_MATRIX_MODE), GL_MODELVIEW);
    GLdouble modelView[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(modelView[i], i % 5 == 0 ? 1.0 : 0.0) << i;
    }
    const std::vector<std::uint8_t> frame = ReadFrameRgb();
    for (const auto& [x, y] : {std::pair{0, 0}, {400, 300}, {799, 599}}) {
        const Rgb p = PixelAt(frame, x, y);
        EXPECT_EQ(p.r + p.g + p.b, 0) << x << "," << y;
    }
}

TEST_F(VideoTest, FrameTimeRunsFromOneFrameEndToTheNextAndIsCapped) {
    EndFrame();
    // Time spent outside EndFrame (the game's own work) belongs to the frame.
    SDL_Delay(40);
    EndFrame();
    EXPECT_GE(LastSwapMs(), 40u);
    EXPECT_LE(LastSwapMs(), kMaxFrameMs);

    SDL_Delay(250);
    EndFrame();
    EXPECT_EQ(LastSwapMs(), kMaxFrameMs);
}

}  // namespace
