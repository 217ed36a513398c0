#include "player/vec3.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectVec(const Vec3& v, double x, double y, double z) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

TEST(Vec3, IndexAndArithmetic) {
    Vec3 a(1, 2, 3);
    a[0] = 4.0;
    a[2] = 6.0;
    ExpectVec(a, 4, 2, 6);
    const Vec3& c = a;
    EXPECT_EQ(c[1], 2.0);
    EXPECT_EQ(c[3], 6.0);  // any index other than 0 and 1 is z
    EXPECT_EQ(c[-1], 6.0);
    ExpectVec(a + Vec3(1, 1, 1), 5, 3, 7);
    ExpectVec(a - Vec3(1, 1, 1), 3, 1, 5);
    ExpectVec(-a, -4, -2, -6);
    ExpectVec(a / 2.0, 2, 1, 3);
    ExpectVec(0.5 * a, 2, 1, 3);
    ExpectVec(a * 0.5, 2, 1, 3);
    a += a;  // aliasing
    ExpectVec(a, 8, 4, 12);
    a -= a;
    ExpectVec(a, 0, 0, 0);
}

TEST(Vec3, RightHandedCrossLengthAndNormalizeInPlace) {
    ExpectVec(cross({1, 0, 0}, {0, 1, 0}), 0, 0, 1);
    ExpectVec(cross({1.5, -2.0, 0.25}, {-3.0, 0.5, 4.0}), -8.125, -6.75, -5.25);
    EXPECT_EQ(length({3, 4, 0}), 5.0);
    Vec3 v(0, 0, 2);
    EXPECT_EQ(&normalize(v), &v);
    ExpectVec(v, 0, 0, 1);
    Vec3 zero;
    normalize(zero);  // NaN, but no trap
    EXPECT_TRUE(std::isnan(zero.x));
}

}  // namespace
