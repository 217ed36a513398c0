#include "menu/menu_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// text, origin x and y, width, height, colour (r, g, b) of one line.
void Expect(const TextLine& line, const std::string& text, double x, double y, double width,
            double height, Colour c) {
    EXPECT_EQ(line.text, text);
    EXPECT_EQ(line.origin.x, x) << text;
    EXPECT_EQ(line.origin.y, y) << text;
    EXPECT_EQ(line.origin.z, -50.0) << text;
    EXPECT_EQ(line.width.x, width) << text;
    EXPECT_EQ(line.height.y, height) << text;
    EXPECT_TRUE(line.colour && line.colour->r == c.r && line.colour->g == c.g &&
                line.colour->b == c.b)
        << text;
}

TEST(MenuScreenLines, RootPageTitleAndCredit) {
    const auto out = MenuScreenLines(0, {"Menu", "Choose difficulty", "Quit"}, 1);
    ASSERT_EQ(out.size(), 5u);
    Expect(out[0], "Menu", -2, 6, 4, 2, {1, 0, 0});
    // Six characters longer than its label and still centred.
    Expect(out[1], "-> Choose difficulty <-", -11.5, 3, 23, 2, {1, 1, 0});
    Expect(out[2], "Quit", -2, 0, 4, 2, {1, 1, 0});
    Expect(out[3], "Orrindel", -20, 15, 45, 4, {0, 1, 0});
    Expect(out[4], "QUANDORP Creation", -10, 11, 25, 3, {0, 1, 1});

    const auto six = MenuScreenLines(
        0, {"Impossible Levels", "31x31x31", "33x33x33", "35x35x35", "37x37x37", "39x39x39"}, 5);
    Expect(six[5], "-> 39x39x39 <-", -7, -9, 14, 2, {1, 1, 0});
}

TEST(MenuScreenLines, ClosedQuitAndBuilding) {
    EXPECT_TRUE(MenuScreenLines(-1, {}, 0).empty());
    EXPECT_TRUE(MenuScreenLines(1, {}, 0).empty());
    const auto out = MenuScreenLines(39, {}, 0);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].text, "Building maze... Please wait...");
    EXPECT_FALSE(out[0].colour);  // the HUD's yellow is still current
}

}  // namespace
