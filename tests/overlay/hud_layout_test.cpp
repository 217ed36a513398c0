#include "overlay/hud_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ElapsedTimeText, MinutesAndUnpaddedTruncatedSeconds) {
    EXPECT_EQ(ElapsedTimeText(0), "Elapsed time : 0'0\"");
    EXPECT_EQ(ElapsedTimeText(999), "Elapsed time : 0'0\"");
    EXPECT_EQ(ElapsedTimeText(59'999), "Elapsed time : 0'59\"");
    EXPECT_EQ(ElapsedTimeText(60'000), "Elapsed time : 1'0\"");
    EXPECT_EQ(ElapsedTimeText(65'000), "Elapsed time : 1'5\"");
    EXPECT_EQ(ElapsedTimeText((62 * 60 + 5) * 1000), "Elapsed time : 62'5\"");
    EXPECT_EQ(ElapsedTimeText(2'147'483'647), "Elapsed time : 35791'23\"");
}

TEST(HudLines, TimeLineAlone) {
    const auto lines = HudLines(83'000, 0);
    ASSERT_EQ(lines.size(), 1u);
    const TextLine& time = lines[0];
    EXPECT_EQ(time.text, "Elapsed time : 1'23\"");
    // 20 characters over 30 units: 1.5 wide, 2 high.
    EXPECT_DOUBLE_EQ(time.width.x / static_cast<double>(time.text.size()), 1.5);
    EXPECT_EQ(time.height.y, 2.0);
    EXPECT_EQ(time.origin.x, -5.0);
    EXPECT_EQ(time.origin.y, -19.0);
    EXPECT_EQ(time.origin.z, -50.0);
    ASSERT_TRUE(time.colour);
    EXPECT_EQ(time.colour->r, 1.0f);
    EXPECT_EQ(time.colour->g, 1.0f);
    EXPECT_EQ(time.colour->b, 0.0f);
}

TEST(HudLines, EndScreenAddsTwoLinesAfterTheTime) {
    for (int finished : {1, -3, 7}) {
        const auto lines = HudLines(1000, finished);
        ASSERT_EQ(lines.size(), 3u) << finished;
        EXPECT_EQ(lines[0].text, "Elapsed time : 0'1\"");
        EXPECT_EQ(lines[1].text, "Congratulations !!!!");
        EXPECT_EQ(lines[2].text, "Hit Enter");
        // The prompt stands above the congratulation, both 40 units wide and 5 high.
        EXPECT_EQ(lines[1].origin.y, -10.0);
        EXPECT_EQ(lines[2].origin.y, 0.0);
        for (const TextLine* line : {&lines[1], &lines[2]}) {
            EXPECT_EQ(line->origin.x, -20.0);
            EXPECT_EQ(line->width.x, 40.0);
            EXPECT_EQ(line->height.y, 5.0);
        }
        EXPECT_NEAR(lines[2].width.x / 9.0, 4.444, 1e-3);
    }
}

}  // namespace
