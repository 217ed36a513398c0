#include "render/exit_marker.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

using Triple = std::tuple<double, double, double>;

TEST(ExitMarker, ColoursRotateFromTheFirstIndex) {
    const Triple cyan{0, 1, 1}, magenta{1, 0, 1}, red{1, 0, 0}, green{0, 1, 0}, blue{0, 0, 1},
        yellow{1, 1, 0};
    const Triple expected[6] = {cyan, magenta, red, green, blue, yellow};
    // A stray negative index still picks palette colours: -2 turns like 4.
    for (int first : {4, -2}) {
        const auto faces = MarkerFaces({0, 0, 0}, 1.0, first);
        for (int k = 0; k < 6; ++k) {
            const MarkerColour& c = faces[k].colour;
            EXPECT_EQ(Triple(c.red, c.green, c.blue), expected[k]) << first << ", face " << k;
        }
    }
}

TEST(ExitMarker, FacesCloseACubeOfTheGivenEdge) {
    const Vec3 c{10, 20, 30};
    const double a = 3.0;  // exact sums, so the centres compare equal
    std::set<Triple> centres;
    for (const MarkerFace& f : MarkerFaces(c, a, 0)) {
        const Vec3 m = f.corner + 0.5 * f.edge1 + 0.5 * f.edge2 - c;
        centres.insert({m.x, m.y, m.z});
        EXPECT_DOUBLE_EQ(length(f.edge1), a);
        EXPECT_DOUBLE_EQ(length(f.edge2), a);
    }
    const double h = a / 2;
    EXPECT_EQ(centres,
              (std::set<Triple>{{h, h, 0}, {h, 0, h}, {0, h, h}, {h, h, a}, {h, a, h}, {a, h, h}}));
}

}  // namespace
