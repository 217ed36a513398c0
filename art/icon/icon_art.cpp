#include "art/icon/icon_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// Coordinates are in icon units: (0, 0) top left, (1, 1) bottom right, y down.
struct Point {
    double x, y;
};
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(double k, Point a) { return {k * a.x, k * a.y}; }

struct Colour {
    double r, g, b;
};
Colour Shade(Colour c, double k) { return {c.r * k, c.g * k, c.b * k}; }

// The parallelogram origin + u * edgeU + v * edgeV, u and v in [0, 1].
struct Face {
    Point origin, edgeU, edgeV;

    // (u, v) of p when it lies on the face.
    std::optional<Point> Locate(Point p) const {
        const Point d = p - origin;
        const double det = edgeU.x * edgeV.y - edgeU.y * edgeV.x;
        const double u = (d.x * edgeV.y - d.y * edgeV.x) / det;
        const double v = (edgeU.x * d.y - edgeU.y * d.x) / det;
        if (u < 0.0 || u >= 1.0 || v < 0.0 || v >= 1.0) {
            return std::nullopt;
        }
        return Point{u, v};
    }
};

// A cube seen corner-on: its top, left and right faces, and its outline hexagon.
struct IsoCube {
    Point centre;  // the near top corner, where the three faces meet
    double edge;   // projected length of a vertical edge

    Point Axis(int i) const {
        const double across = edge * std::sqrt(3.0) / 2.0;
        switch (i) {
            case 0:
                return {-across, -edge / 2.0};  // toward the upper left
            case 1:
                return {across, -edge / 2.0};  // toward the upper right
            default:
                return {0.0, edge};  // down
        }
    }
    // u runs along the first axis named, v along the second.
    Face Top() const { return {centre, Axis(1), Axis(0)}; }
    Face Left() const { return {centre, Axis(0), Axis(2)}; }
    Face Right() const { return {centre, Axis(2), Axis(1)}; }

    // True within `margin` outside the cube's silhouette (a convex hexagon).
    bool InOutline(Point p, double margin) const {
        const Point a = Axis(0), b = Axis(1), c = Axis(2);
        const std::array<Point, 6> corners = {centre + a + b, centre + b,     centre + b + c,
                                              centre + c,     centre + a + c, centre + a};
        for (size_t i = 0; i < corners.size(); ++i) {
            const Point from = corners[i];
            const Point along = corners[(i + 1) % corners.size()] - from;
            const Point d = p - from;
            // Clockwise on screen (y down): inside is where the cross product is positive.
            const double cross = (along.x * d.y - along.y * d.x) / std::hypot(along.x, along.y);
            if (cross < -margin) {
                return false;
            }
        }
        return true;
    }
};

// Each face of the big cube carries a 3 x 3 cell maze on a 7 x 7 grid: '#' is wall.
using Pattern = std::array<const char*, 7>;
constexpr Pattern kTopMaze = {"#######", "#.....#", "#####.#", "#...#.#",
                              "#.#.#.#", "#.#...#", "#######"};
constexpr Pattern kLeftMaze = {"#######", "#.#...#", "#.#.#.#", "#...#.#",
                               "#####.#", "#.....#", "#######"};
constexpr Pattern kRightMaze = {"###.###", "#.....#", "#.###.#", "#...#.#",
                                "###.#.#", "#.....#", "#######"};

constexpr Colour kWall = {0.93, 0.74, 0.47};
constexpr Colour kFloor = {0.13, 0.16, 0.30};
constexpr Colour kEdge = {0.05, 0.05, 0.09};
// Three of the exit marker's six colours.
constexpr Colour kMarkerTop = {1.0, 0.92, 0.1};
constexpr Colour kMarkerLeft = {0.95, 0.12, 0.12};
constexpr Colour kMarkerRight = {0.15, 0.35, 1.0};

// Sunlight from the upper left: the top is brightest, the right side darkest.
constexpr double kTopLight = 1.0;
constexpr double kLeftLight = 0.8;
constexpr double kRightLight = 0.6;

Colour MazeAt(const Pattern& pattern, Point uv, double light) {
    const int column = std::min(6, static_cast<int>(uv.x * 7.0));
    const int row = std::min(6, static_cast<int>(uv.y * 7.0));
    return Shade(pattern[row][column] == '#' ? kWall : kFloor, light);
}

const IsoCube kMaze{{0.5, 0.61}, 0.38};

// The exit marker hovers a little above the top face's far cell (row 5, column 5), as the
// goal waits in the corner opposite the start.
IsoCube PlaceMarker() {
    constexpr double kEdgeLength = 0.14;
    constexpr double kHover = 0.03;
    const Face top = kMaze.Top();
    const double cell = 5.5 / 7.0;
    const Point footprint = top.origin + cell * top.edgeU + cell * top.edgeV;
    // The near top corner lies half an edge above the centre of the cube's footprint.
    return {footprint - Point{0.0, kEdgeLength / 2.0 + kHover}, kEdgeLength};
}
const IsoCube kMarker = PlaceMarker();

constexpr double kOutline = 0.025;

// The colour at p, or nothing where the icon is transparent. Nearer shapes first.
std::optional<Colour> Sample(Point p) {
    if (kMarker.Top().Locate(p)) {
        return kMarkerTop;
    }
    if (kMarker.Left().Locate(p)) {
        return kMarkerLeft;
    }
    if (kMarker.Right().Locate(p)) {
        return kMarkerRight;
    }
    if (kMarker.InOutline(p, kOutline)) {
        return kEdge;
    }
    if (const auto uv = kMaze.Top().Locate(p)) {
        return MazeAt(kTopMaze, *uv, kTopLight);
    }
    if (const auto uv = kMaze.Left().Locate(p)) {
        return MazeAt(kLeftMaze, *uv, kLeftLight);
    }
    if (const auto uv = kMaze.Right().Locate(p)) {
        return MazeAt(kRightMaze, *uv, kRightLight);
    }
    if (kMaze.InOutline(p, kOutline)) {
        return kEdge;
    }
    return std::nullopt;
}

std::uint8_t ToByte(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

}  // namespace

RgbaImage DrawIcon(int size) {
    // Each pixel averages a grid of samples, so edges are smooth at every size.
    constexpr int kSamples = 4;
    RgbaImage image{size, std::vector<std::uint8_t>(static_cast<size_t>(size) * size * 4, 0)};
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Colour sum{0.0, 0.0, 0.0};
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Point p{(x + (sx + 0.5) / kSamples) / size,
                                  (y + (sy + 0.5) / kSamples) / size};
                    if (const auto c = Sample(p)) {
                        sum = {sum.r + c->r, sum.g + c->g, sum.b + c->b};
                        ++covered;
                    }
                }
            }
            if (covered == 0) {
                continue;
            }
            std::uint8_t* out = &image.rgba[(static_cast<size_t>(y) * size + x) * 4];
            out[0] = ToByte(sum.r / covered);
            out[1] = ToByte(sum.g / covered);
            out[2] = ToByte(sum.b / covered);
            out[3] = ToByte(static_cast<double>(covered) / (kSamples * kSamples));
        }
    }
    return image;
}
