#include "render/exit_marker.h"

const std::array<MarkerColour, 6> markerPalette = {{
    {1.0, 0.0, 0.0},
    {0.0, 1.0, 0.0},
    {0.0, 0.0, 1.0},
    {1.0, 1.0, 0.0},
    {0.0, 1.0, 1.0},
    {1.0, 0.0, 1.0},
}};

std::array<MarkerFace, 6> MarkerFaces(const Vec3& c, double a, int first) {
    const Vec3 ax{a, 0, 0};
    const Vec3 ay{0, a, 0};
    const Vec3 az{0, 0, a};
    // Any int is a valid rotation; a negative one must not index before the palette.
    const int base = ((first % 6) + 6) % 6;
    const auto colour = [base](int k) { return markerPalette[(base + k) % 6]; };
    return {{
        {c, ax, ay, colour(0)},
        {c, ax, az, colour(1)},
        {c, ay, az, colour(2)},
        {c + az, ax, ay, colour(3)},
        {c + ay, ax, az, colour(4)},
        {c + ax, ay, az, colour(5)},
    }};
}
