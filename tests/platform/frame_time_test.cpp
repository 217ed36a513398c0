#include <gtest/gtest.h>

#include "platform/frame_time.h"

namespace {

TEST(FrameDurationTest, MeasuresBetweenFrameEndsAndCapsLongStalls) {
    EXPECT_EQ(FrameDurationMs(1000, 1016), 16u);
    EXPECT_EQ(FrameDurationMs(1000, 1100), 100u);
    EXPECT_EQ(FrameDurationMs(1000, 1101), kMaxFrameMs);
    // The tick counter wraps after 49.7 days.
    EXPECT_EQ(FrameDurationMs(0xFFFFFFF0u, 0x00000004u), 20u);
}

}  // namespace
