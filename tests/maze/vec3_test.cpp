#include "player/vec3.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectVec(const Vec3& v, double x, double y, double z) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.z, z);
}

TEST(Vec3, IndexReachesComponentsAndAnyOtherIndexIsZ) {
    Vec3 v(1.0, 2.0, 3.0);
    v[0] = 4.0;
    v[1] = 5.0;
    v[2] = 6.0;
    ExpectVec(v, 4.0, 5.0, 6.0);
    const Vec3& c = v;
    EXPECT_EQ(c[3], 6.0);
    EXPECT_EQ(c[-1], 6.0);
    ExpectVec(Vec3(), 0.0, 0.0, 0.0);
}

TEST(Vec3, CrossIsRightHandedAndAntisymmetric) {
    ExpectVec(cross({1, 0, 0}, {0, 1, 0}), 0, 0, 1);
    ExpectVec(cross({0, 1, 0}, {0, 0, 1}), 1, 0, 0);
    ExpectVec(cross({0, 0, 1}, {1, 0, 0}), 0, 1, 0);
    const Vec3 a(1.5, -2.0, 0.25);
    const Vec3 b(-3.0, 0.5, 4.0);
    const Vec3 ab = cross(a, b);
    const Vec3 ba = cross(b, a);
    ExpectVec(ab, -ba.x, -ba.y, -ba.z);
    ExpectVec(cross(a, a), 0, 0, 0);
}

TEST(Vec3, ArithmeticAndAliasing) {
    Vec3 a(1, 2, 3);
    ExpectVec(a + a, 2, 4, 6);
    ExpectVec(a - a, 0, 0, 0);
    ExpectVec(-a, -1, -2, -3);
    a += a;
    ExpectVec(a, 2, 4, 6);
    a -= Vec3(1, 1, 1);
    ExpectVec(a, 1, 3, 5);
    ExpectVec(a / 2.0, 0.5, 1.5, 2.5);
    const Vec3 v(0.1, 0.7, 1.3);
    const Vec3 left = 0.3 * v;
    const Vec3 right = v * 0.3;
    ExpectVec(left, right.x, right.y, right.z);
}

TEST(Vec3, LengthAndNormalizeInPlace) {
    EXPECT_EQ(length({3, 4, 0}), 5.0);
    Vec3 v(0, 0, 2);
    Vec3& same = normalize(v);
    EXPECT_EQ(&same, &v);
    ExpectVec(v, 0, 0, 1);
    Vec3 zero;
    normalize(zero);  // NaN, but no trap
    EXPECT_TRUE(std::isnan(zero.x));
    Vec3 w(1, -1, 0);
    w /= 0.0;
    EXPECT_TRUE(std::isinf(w.x) && std::isinf(w.y) && std::isnan(w.z));
}

}  // namespace
