#include "overlay/hud_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(ElapsedTimeText, MinutesAndUnpaddedTruncatedSeconds) {
    EXPECT_EQ(ElapsedTimeText(0), "Elapsed time : 0'0\"");
    EXPECT_EQ(ElapsedTimeText(999), "Elapsed time : 0'0\"");
    EXPECT_EQ(ElapsedTimeText(59'999), "Elapsed time : 0'59\"");
    EXPECT_EQ(ElapsedTimeText(60'000), "Elapsed time : 1'0\"");
    EXPECT_EQ(ElapsedTimeText((62 * 60 + 5) * 1000), "Elapsed time : 62'5\"");
}

}  // namespace
