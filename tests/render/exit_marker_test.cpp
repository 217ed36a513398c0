#include "render/exit_marker.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

std::tuple<double, double, double> Rgb(const MarkerColour& c) {
    return {c.red, c.green, c.blue};
}

TEST(ExitMarker, ColoursRotateFromTheFirstIndex) {
    const auto faces = MarkerFaces({0, 0, 0}, 1.0, 4);
    const MarkerColour cyan{0, 1, 1}, magenta{1, 0, 1}, red{1, 0, 0}, green{0, 1, 0}, blue{0, 0, 1},
        yellow{1, 1, 0};
    const MarkerColour expected[6] = {cyan, magenta, red, green, blue, yellow};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(Rgb(faces[k].colour), Rgb(expected[k])) << "face " << k;
    }
    // A stray negative index still picks palette colours.
    EXPECT_EQ(Rgb(MarkerFaces({0, 0, 0}, 1.0, -2)[0].colour), Rgb(cyan));
}

TEST(ExitMarker, FacesCloseACubeOfTheGivenEdge) {
    const Vec3 c{10, 20, 30};
    const double a = 3.0;  // exact sums, so the centres compare equal
    std::set<std::tuple<double, double, double>> centres;
    for (const MarkerFace& f : MarkerFaces(c, a, 0)) {
        const Vec3 m = f.corner + 0.5 * f.edge1 + 0.5 * f.edge2;
        centres.insert({m.x - c.x, m.y - c.y, m.z - c.z});
        EXPECT_DOUBLE_EQ(length(f.edge1), a);
        EXPECT_DOUBLE_EQ(length(f.edge2), a);
    }
    const double h = a / 2;
    const std::set<std::tuple<double, double, double>> sides = {{h, h, 0}, {h, 0, h}, {0, h, h},
                                                                {h, h, a}, {h, a, h}, {a, h, h}};
    EXPECT_EQ(centres, sides);
}

}  // namespace
