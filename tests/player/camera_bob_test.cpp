#include "player/camera_bob.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

TEST(CameraBob, SwingsPointTwoUnitsWithAPeriodOf1200PiMs) {
    EXPECT_EQ(CameraBob(0), 0.2);
    EXPECT_NEAR(CameraBob(942), 0.0, 2e-4);  // t / 600 close to pi / 2
    EXPECT_NEAR(CameraBob(1885), -0.2, 1e-6);
    EXPECT_NEAR(CameraBob(3770), 0.2, 1e-6);
    EXPECT_LE(std::abs(CameraBob(0xFFFFFFFFu)), 0.2);
}

}  // namespace
