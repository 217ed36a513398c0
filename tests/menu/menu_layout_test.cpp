#include "menu/menu_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

bool Is(const std::optional<Colour>& c, float r, float g, float b) {
    return c && c->r == r && c->g == g && c->b == b;
}

TEST(MenuScreenLines, RootPageTitleAndCredit) {
    const auto out = MenuScreenLines(0, {"Menu", "Choose difficulty", "Quit"}, 1);
    ASSERT_EQ(out.size(), 5u);

    EXPECT_EQ(out[0].text, "Menu");
    EXPECT_TRUE(Is(out[0].colour, 1, 0, 0));
    EXPECT_EQ(out[0].origin.y, 6.0);

    // The highlighted line is 6 characters longer than its label and still centred.
    EXPECT_EQ(out[1].text, "-> Choose difficulty <-");
    EXPECT_TRUE(Is(out[1].colour, 1, 1, 0));
    EXPECT_EQ(out[1].width.x, 23.0);
    EXPECT_EQ(out[1].origin.x, -11.5);
    EXPECT_EQ(out[1].origin.y, 3.0);

    EXPECT_EQ(out[2].text, "Quit");
    EXPECT_TRUE(Is(out[2].colour, 1, 1, 0));
    EXPECT_EQ(out[2].origin.x, -2.0);
    EXPECT_EQ(out[2].origin.y, 0.0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(out[i].height.y, 2.0);
        EXPECT_EQ(out[i].origin.z, -50.0);
        EXPECT_EQ(out[i].width.x, static_cast<double>(out[i].text.size()));  // 1 unit a glyph
    }

    EXPECT_EQ(out[3].text, "Orrindel");
    EXPECT_TRUE(Is(out[3].colour, 0, 1, 0));
    EXPECT_EQ(out[3].origin.x, -20.0);
    EXPECT_EQ(out[3].origin.y, 15.0);
    EXPECT_EQ(out[3].width.x, 45.0);
    EXPECT_EQ(out[3].height.y, 4.0);

    EXPECT_EQ(out[4].text, "QUANDORP Creation");
    EXPECT_TRUE(Is(out[4].colour, 0, 1, 1));
    EXPECT_EQ(out[4].origin.x, -10.0);
    EXPECT_EQ(out[4].origin.y, 11.0);
    EXPECT_EQ(out[4].width.x, 25.0);
    EXPECT_EQ(out[4].height.y, 3.0);
}

TEST(MenuScreenLines, SixLinePageEndsAtMinusNine) {
    const Lines page = {"Impossible Levels", "31x31x31", "33x33x33",
                        "35x35x35",          "37x37x37", "39x39x39"};
    const auto out = MenuScreenLines(0, page, 5);
    ASSERT_EQ(out.size(), 8u);
    EXPECT_EQ(out[5].text, "-> 39x39x39 <-");
    EXPECT_EQ(out[5].origin.y, -9.0);
    EXPECT_EQ(out[4].text, "37x37x37");
    EXPECT_EQ(out[4].origin.y, -6.0);
}

TEST(MenuScreenLines, ClosedQuitAndBuilding) {
    EXPECT_TRUE(MenuScreenLines(-1, {}, 0).empty());
    EXPECT_TRUE(MenuScreenLines(1, {}, 0).empty());
    for (int size : {5, 39}) {
        const auto out = MenuScreenLines(size, {}, 0);
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(out[0].text, "Building maze... Please wait...");
        EXPECT_FALSE(out[0].colour);  // the HUD's yellow is still current
        EXPECT_EQ(out[0].origin.x, -20.0);
        EXPECT_EQ(out[0].origin.y, -10.0);
        EXPECT_EQ(out[0].width.x, 45.0);
        EXPECT_EQ(out[0].height.y, 5.0);
    }
}

}  // namespace
