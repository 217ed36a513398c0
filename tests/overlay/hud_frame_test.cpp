#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "overlay/hud.h"
#include "overlay/text.h"
#include "tests/overlay/overlay_frame.h"

namespace {

using namespace overlay_frame;

const Box timeBox{328, 546, 762, 575};  // where the time line must fall on the 800 x 600 screen

TEST(HudFrame, TimeLineInItsBoxAndTheStateLeftForTheScene) {
    OpenWithPlainBackground();
    glEnable(GL_LIGHTING);
    glEnable(GL_FOG);
    glTranslated(3, 4, 5);  // a camera view the overlay must replace
    DrawHud(Font(), 83'000, 0);
    const auto frame = ReadFrameRgb();
    SaveShot("hud_time", frame);

    const HueCount yellow = CountHue(frame, Hue::Yellow, timeBox);
    EXPECT_GT(yellow.inside, 300);
    EXPECT_EQ(yellow.outside, 0);
    EXPECT_LT(yellow.extent.x0, EyeBox(-5, 0, 0, 0, 0).x0 + 10);  // it starts at x = -5

    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_FOG));
}

TEST(HudFrame, EndScreenLinesInTheirBoxes) {
    OpenWithPlainBackground();
    DrawHud(Font(), 83'000, 0);
    DrawHud(Font(), 83'000, 1);
    const auto frame = ReadFrameRgb();
    SaveShot("end_screen", frame);

    const Box congratulation{110, 372, 690, 445};
    const Box prompt{110, 228, 690, 300};
    EXPECT_GT(CountHue(frame, Hue::Yellow, timeBox).inside, 300);
    EXPECT_GT(CountHue(frame, Hue::Yellow, congratulation).inside, 2000);
    const HueCount inPrompt = CountHue(frame, Hue::Yellow, prompt);
    EXPECT_GT(inPrompt.inside, 2000);
    EXPECT_EQ(inPrompt.outside, CountHue(frame, Hue::Yellow, timeBox).inside +
                                    CountHue(frame, Hue::Yellow, congratulation).inside);
}

TEST(DrawTextFrame, UprightGlyphsEmptyAndOverlongTexts) {
    OpenWithPlainBackground();
    glDisable(GL_DEPTH_TEST);
    glColor3f(1, 1, 0);
    const auto blank = ReadFrameRgb();
    Vec3 origin{-20, 0, -50};
    DrawText(Font(), origin, {40, 0, 0}, {0, 10, 0}, "%s", "");
    EXPECT_EQ(ReadFrameRgb(), blank);

    // A large "T": its bar is at the top, so the upper half of the cell holds more yellow
    // than the lower half; a sheet upside down shows the opposite.
    DrawText(Font(), origin, {20, 0, 0}, {0, 20, 0}, "T");
    const auto t = ReadFrameRgb();
    SaveShot("glyph_T", t);
    const int upper = CountHue(t, Hue::Yellow, EyeBox(-20, 10, 0, 20, 0)).inside;
    const int lower = CountHue(t, Hue::Yellow, EyeBox(-20, 0, 0, 10, 0)).inside;
    EXPECT_GT(lower, 0);
    EXPECT_GT(upper, lower);

    // Three times the buffer: formatting stops at its end (AddressSanitizer watches it) and
    // the kept characters, far narrower than a pixel, fill the whole width and no more.
    OpenWithPlainBackground();
    Vec3 start{-20, -5, -50};
    DrawText(Font(), start, {40, 0, 0}, {0, 10, 0}, "%s",
             std::string(3 * textBufferSize, 'x').c_str());
    EXPECT_NEAR(start.x, 20.0, 1e-6);
    const auto frame = ReadFrameRgb();
    const Box band = EyeBox(-20, -5, 20, 5, 1);
    int inside = 0, outside = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            if (PixelAt(frame, x, y).b != 64) {
                ++(band.Contains(x, y) ? inside : outside);
            }
        }
    }
    EXPECT_GT(inside, 10000);
    EXPECT_EQ(outside, 0);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace
