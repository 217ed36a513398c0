#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "overlay/hud.h"
#include "overlay/text.h"
#include "tests/overlay/overlay_frame.h"

namespace {

using namespace overlay_frame;

TEST(HudFrame, TimeLineLiesInItsBox) {
    OpenWithPlainBackground();
    DrawHud(Font(), 83'000, 0);
    const auto frame = ReadFrameRgb();
    SaveShot("hud_time", frame);

    // The box the time line is known to cover on the 800 x 600 screen.
    const HueCount yellow = CountHue(frame, Hue::Yellow, {328, 546, 762, 575});
    EXPECT_GT(yellow.inside, 300);
    EXPECT_EQ(yellow.outside, 0);
    // It runs from x = -5 nearly to the right edge.
    EXPECT_LT(yellow.extent.x0, PixelX(-5) + 10);
    EXPECT_GT(yellow.extent.x1, PixelX(25) - 20);
}

TEST(HudFrame, EndScreenLinesInTheirBoxes) {
    OpenWithPlainBackground();
    DrawHud(Font(), 83'000, 0);
    DrawHud(Font(), 83'000, 1);
    const auto frame = ReadFrameRgb();
    SaveShot("end_screen", frame);

    const Box time{328, 546, 762, 575};
    const Box congratulation{110, 372, 690, 445};
    const Box prompt{110, 228, 690, 300};
    int outsideAll = 0;
    int in[3] = {};
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            if (HueOf(PixelAt(frame, x, y)) != Hue::Yellow) {
                continue;
            }
            if (time.Contains(x, y)) {
                ++in[0];
            } else if (congratulation.Contains(x, y)) {
                ++in[1];
            } else if (prompt.Contains(x, y)) {
                ++in[2];
            } else {
                ++outsideAll;
            }
        }
    }
    EXPECT_GT(in[0], 300);
    EXPECT_GT(in[1], 2000);
    EXPECT_GT(in[2], 2000);
    EXPECT_EQ(outsideAll, 0);
}

TEST(HudFrame, LeavesTheOverlayStateBehind) {
    OpenWithPlainBackground();
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_FOG);
    glTranslated(3, 4, 5);
    DrawHud(Font(), 0, 0);

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    EXPECT_EQ(m[12], 0.0);
    EXPECT_EQ(m[13], 0.0);
    EXPECT_EQ(m[14], 0.0);
}

TEST(DrawTextFrame, GlyphsAreUprightAndAnEmptyTextDrawsNothing) {
    OpenWithPlainBackground();
    const auto blank = ReadFrameRgb();
    glDisable(GL_DEPTH_TEST);
    glColor3f(1, 1, 0);
    Vec3 origin{-20, 0, -50};
    DrawText(Font(), origin, {40, 0, 0}, {0, 10, 0}, "%s", "");
    EXPECT_EQ(ReadFrameRgb(), blank);
    EXPECT_EQ(origin.x, -20.0);

    // "T" drawn large: its bar is at the top of the cell, so the upper rows of the glyph
    // hold more yellow than the lower rows; a flipped sheet shows the opposite.
    DrawText(Font(), origin, {20, 0, 0}, {0, 20, 0}, "T");
    const auto frame = ReadFrameRgb();
    SaveShot("glyph_T", frame);
    const int top = PixelY(20), bottom = PixelY(0);
    const int mid = (top + bottom) / 2;
    const HueCount upper = CountHue(frame, Hue::Yellow, {0, top, kFrameWidth, mid});
    const HueCount lower = CountHue(frame, Hue::Yellow, {0, mid + 1, kFrameWidth, bottom});
    EXPECT_GT(upper.inside, lower.inside);
    EXPECT_GT(lower.inside, 0);
    EXPECT_NEAR(origin.x, 0.0, 1e-12);
    glEnable(GL_DEPTH_TEST);
}

TEST(DrawTextFrame, TextLongerThanTheBufferIsCut) {
    OpenWithPlainBackground();
    glDisable(GL_DEPTH_TEST);
    glColor3f(1, 1, 0);
    // Three times the buffer: formatting must stop at its end (AddressSanitizer watches the
    // buffer) and the kept characters still fill the whole width.
    const std::string longText(3 * textBufferSize, 'x');
    Vec3 origin{-20, -5, -50};
    DrawText(Font(), origin, {40, 0, 0}, {0, 10, 0}, "%s", longText.c_str());
    EXPECT_NEAR(origin.x, 20.0, 1e-6);
    // Glyphs far narrower than a pixel: the line shows as a band of changed pixels.
    const auto frame = ReadFrameRgb();
    const Box band = EyeBox(-20, -5, 20, 5, 1);
    int changedInside = 0, changedOutside = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const Rgb p = PixelAt(frame, x, y);
            if (p.r != 64 || p.g != 64 || p.b != 64) {
                ++(band.Contains(x, y) ? changedInside : changedOutside);
            }
        }
    }
    EXPECT_GT(changedInside, 10000);
    EXPECT_EQ(changedOutside, 0);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace
