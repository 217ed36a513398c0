#include "maze/plane_styles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The exact order of the draws is checked against the reference in oracle_test.cpp.
TEST(AssignPlaneStyles, UntintedPlanesWhiteTintedOnesDrawn) {
    // Three tinted and two untinted names; planes start dirty to show every byte is written.
    std::vector<PlaneStyle> planes(200, PlaneStyle{1, 2, 3, 4});
    std::srand(5);
    assignPlaneStyles(planes, 5, 3);
    int white = 0;
    for (const PlaneStyle& style : planes) {
        ASSERT_LT(style.textureIndex, 5);
        const bool isWhite = style.red == 255 && style.green == 255 && style.blue == 255;
        EXPECT_TRUE(isWhite || style.textureIndex < 3);
        white += isWhite ? 1 : 0;
    }
    EXPECT_GT(white, 0);
    EXPECT_LT(white, 200);
}

TEST(AssignPlaneStyles, IndexKeepsTheLowEightBits) {
    std::vector<PlaneStyle> planes(300);
    std::srand(77);
    assignPlaneStyles(planes, 1000, 0);
    std::srand(77);
    bool wrapped = false;
    for (const PlaneStyle& style : planes) {
        const int draw = std::rand() % 1000;
        EXPECT_EQ(style.textureIndex, draw & 0xFF);
        wrapped |= draw >= 256;
    }
    EXPECT_TRUE(wrapped);
}

TEST(AssignPlaneStylesDeathTest, EmptyTextureSetStopsInsteadOfDividingByZero) {
    std::vector<PlaneStyle> planes(3);
    EXPECT_DEATH(assignPlaneStyles(planes, 0, 0), "empty texture set");
}

}  // namespace
