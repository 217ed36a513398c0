#include "render/sight.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "platform/video.h"

namespace {

constexpr double kInFront = 0.05;  // a point nearer the eye's plane projects too far to trust
// Eyes farther out than this are no place the game can be in; they are not flooded.
constexpr double kFarthestEye = 1e6;
// An eye this close to a lattice plane sees the cell sides in that plane edge-on, and the
// rectangles through them lose pixels: it is not flooded either (world units).
constexpr double kOnLatticePlane = 1e-3;

using Rect = ScreenRect;

constexpr Rect kNothing{1e300, 1e300, -1e300, -1e300};
constexpr Rect kEverything{-1e300, -1e300, 1e300, 1e300};

Rect Meet(const Rect& a, const Rect& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

// The screen rectangle, with margin, around the projections of the points; all of the
// plane when one of them is not clearly in front of the eye.
Rect Project(const View& view, const Vec3* points, int count) {
    Rect r = kNothing;
    for (int i = 0; i < count; ++i) {
        const ClipPoint c = ToClip(view, points[i]);
        if (c.w < kInFront) {
            return kEverything;
        }
        const double x = c.x / c.w, y = c.y / c.w;
        r = {std::min(r.x0, x), std::min(r.y0, y), std::max(r.x1, x), std::max(r.y1, y)};
    }
    return {r.x0 - kScreenMargin, r.y0 - kScreenMargin, r.x1 + kScreenMargin, r.y1 + kScreenMargin};
}

}  // namespace

double NearPlaneReach() {
    const double halfHeight = kNearPlane * std::tan(kFieldOfViewY * std::numbers::pi / 360);
    const double halfWidth = halfHeight * kAspect;
    // 3 % more for the driver's single-precision transform: 1.25 units.
    return 1.03 *
           std::sqrt(kNearPlane * kNearPlane + halfWidth * halfWidth + halfHeight * halfHeight);
}

bool FindSeenFaces(const Maze& maze, const CellRange& range, const View& view,
                   const std::vector<WallFace>& faces, std::vector<char>& seen,
                   SightStorage& storage) {
    const double s = maze.cellSize();
    const double reachOut = NearPlaneReach();
    const Vec3 eye = view.eye;
    // Every cell within reach of the eye must be open (outside the maze counts as wall). The
    // eye is checked before any coordinate becomes an int: NaN and huge values have none.
    int low[3], high[3], at[3];
    for (int a = 0; a < 3; ++a) {
        if (!(eye[a] - reachOut > 0.0 && eye[a] + reachOut < kFarthestEye)) {
            return false;  // outside the maze, or NaN
        }
        if (std::abs(eye[a] - std::round(eye[a] / s) * s) < kOnLatticePlane) {
            return false;
        }
        low[a] = static_cast<int>(std::floor((eye[a] - reachOut) / s));
        high[a] = static_cast<int>(std::floor((eye[a] + reachOut) / s));
        at[a] = static_cast<int>(std::floor(eye[a] / s));
    }
    for (int x = low[0]; x <= high[0]; ++x) {
        for (int y = low[1]; y <= high[1]; ++y) {
            for (int z = low[2]; z <= high[2]; ++z) {
                if (maze.isWall(x, y, z)) {
                    return false;
                }
            }
        }
    }
    const int first[3] = {range.minX, range.minY, range.minZ};
    const int size[3] = {range.maxX - range.minX + 1, range.maxY - range.minY + 1,
                         range.maxZ - range.minZ + 1};
    for (int a = 0; a < 3; ++a) {
        if (at[a] < first[a] || at[a] >= first[a] + size[a]) {
            return false;
        }
    }
    const auto local = [&](const int(&c)[3]) {
        return ((c[0] - first[0]) * size[1] + (c[1] - first[1])) * size[2] + (c[2] - first[2]);
    };

    std::vector<Rect>& rect = storage.rect;
    std::vector<int>& faceAt = storage.faceAt;
    std::vector<int>& queue = storage.queue;
    std::vector<char>& queued = storage.queued;
    const int cells = size[0] * size[1] * size[2];
    rect.assign(cells, kNothing);
    faceAt.assign(cells * 6, -1);
    queued.assign(cells, 0);
    queue.clear();
    for (int i = 0; i < static_cast<int>(faces.size()); ++i) {
        const WallFace& f = faces[i];
        const int axis = f.normal.x != 0 ? 0 : (f.normal.y != 0 ? 1 : 2);
        const bool up = f.normal[axis] > 0;
        int wall[3];
        for (int a = 0; a < 3; ++a) {
            wall[a] = static_cast<int>(std::lround(f.corner[a] / s)) - (a == axis && up ? 1 : 0);
        }
        faceAt[local(wall) * 6 + 2 * axis + (up ? 1 : 0)] = i;
    }

    const auto reach = [&](const int(&c)[3], const Rect& r) {
        if (r.empty()) {
            return;
        }
        Rect& mine = rect[local(c)];
        const Rect joined{std::min(mine.x0, r.x0), std::min(mine.y0, r.y0), std::max(mine.x1, r.x1),
                          std::max(mine.y1, r.y1)};
        if (joined.x0 == mine.x0 && joined.y0 == mine.y0 && joined.x1 == mine.x1 &&
            joined.y1 == mine.y1) {
            return;
        }
        mine = joined;
        if (!queued[local(c)]) {
            queued[local(c)] = 1;
            queue.push_back(local(c));
        }
    };
    reach(at, {-1 - kScreenMargin, -1 - kScreenMargin, 1 + kScreenMargin, 1 + kScreenMargin});

    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int index = queue[next];
        queued[index] = 0;
        const int cell[3] = {first[0] + index / (size[1] * size[2]),
                             first[1] + index / size[2] % size[1], first[2] + index % size[2]};
        for (int side = 0; side < 6; ++side) {
            const int axis = side / 2, step = side % 2 ? 1 : -1;
            int other[3] = {cell[0], cell[1], cell[2]};
            other[axis] += step;
            if (other[axis] < first[axis] || other[axis] >= first[axis] + size[axis]) {
                continue;  // a ray that leaves the range meets no face again
            }
            // The side between the two cells, and the part of the screen through it.
            Vec3 low{cell[0] * s, cell[1] * s, cell[2] * s};
            low[axis] = std::max(cell[axis], other[axis]) * s;
            Vec3 e1{}, e2{};
            e1[axis == 0 ? 1 : 0] = s;
            e2[axis == 2 ? 1 : 2] = s;
            const Vec3 corners[4] = {low, low + e1, low + e1 + e2, low + e2};
            const Rect through = Meet(rect[index], Project(view, corners, 4));
            if (through.empty()) {
                continue;
            }
            if (maze.isWall(other[0], other[1], other[2])) {
                seen[faceAt[local(other) * 6 + (side ^ 1)]] = 1;  // the rays stop on its face
            } else {
                reach(other, through);
            }
        }
    }
    return true;
}
