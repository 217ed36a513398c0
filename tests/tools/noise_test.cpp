#include "tools/textures/noise.h"

#include <gtest/gtest.h>

#include "tools/textures/layout.h"

// Tiling rests on these: every field must repeat with period one in both directions.
TEST(TextureNoise, FieldsRepeatWithPeriodOne) {
    for (float u = 0.0f; u < 1.0f; u += 0.173f) {
        for (float v = 0.0f; v < 1.0f; v += 0.217f) {
            EXPECT_NEAR(art::ValueNoise(5, u, v, 6, 10),
                        art::ValueNoise(5, u + 1.0f, v - 1.0f, 6, 10), 1e-4f);
            EXPECT_NEAR(art::Fbm(5, u, v, 4, 4, 4), art::Fbm(5, u - 1.0f, v + 1.0f, 4, 4, 4),
                        1e-4f);
            const art::Worley a = art::CellNoise(5, u, v, 7);
            const art::Worley b = art::CellNoise(5, u + 1.0f, v + 1.0f, 7);
            EXPECT_NEAR(a.f1, b.f1, 1e-3f);
            EXPECT_NEAR(a.f2, b.f2, 1e-3f);
        }
    }
}

TEST(TextureNoise, ValuesStayInRangeAndVary) {
    float lo = 1.0f, hi = 0.0f;
    for (int i = 0; i < 400; ++i) {
        const float u = static_cast<float>(i) / 400.0f;
        const float f = art::Fbm(9, u, 1.0f - u, 8, 8, 5);
        lo = std::min(lo, f);
        hi = std::max(hi, f);
    }
    EXPECT_GE(lo, 0.0f);
    EXPECT_LE(hi, 1.0f);
    EXPECT_GT(hi - lo, 0.2f);
}

TEST(TextureLayout, BlocksWrapAroundTheTile) {
    const int n = 256;
    for (float y : {0.5f, 40.5f, 130.5f, 255.5f}) {
        for (float x : {0.5f, 99.5f, 200.5f}) {
            const art::BlockHit a = art::RunningBond(x, y, n, 8, 4, 0.5f);
            const art::BlockHit b = art::RunningBond(x + n, y - n, n, 8, 4, 0.5f);
            EXPECT_EQ(a.id, b.id);
            EXPECT_NEAR(a.edge(), b.edge(), 1e-3f);
            const art::BlockHit c = art::RandomCourses(x, y, n, 4, 3, 7);
            const art::BlockHit d = art::RandomCourses(x - n, y + n, n, 4, 3, 7);
            EXPECT_EQ(c.id, d.id);
            EXPECT_NEAR(c.left + c.right, c.width, 1e-3f);
        }
    }
}
