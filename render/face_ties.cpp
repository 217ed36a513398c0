#include "render/face_ties.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "render/lattice.h"

namespace {

// An eye this close to a lattice plane through the meeting point (world units) may see
// either side of it once OpenGL has rounded the corners to single precision and to its
// sub-pixel grid.
constexpr double kTolerance = 0.01;

bool Same(const Vec3& a, const Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

// Signed distance of the eye from the plane through v spanned by p and q (w = v - eye);
// its sign says on which side of p the edge q turns, as the eye sees it.
double Turn(const Vec3& p, const Vec3& q, const Vec3& w) {
    const Vec3 n = cross(p, q);
    return dot(n, w) / length(n);
}

// Whether edge u points into the quarter-plane between c[0] and c[1] (turning positively).
bool Inside(const Vec3& u, const Vec3 (&c)[2], const Vec3& w) {
    for (const Vec3& edge : c) {
        if (Same(u, edge) || Same(u, -edge)) {
            return false;  // a shared edge, or one running the other way: not inside
        }
    }
    return Turn(c[0], u, w) > -kTolerance && Turn(u, c[1], w) > -kTolerance;
}

// Orders the edges so that the quarter-plane turns positively; false when seen edge-on.
bool Orient(Vec3 (&c)[2], const Vec3& w) {
    const double turn = Turn(c[0], c[1], w);
    if (std::abs(turn) < kTolerance) {
        return false;
    }
    if (turn < 0) {
        std::swap(c[0], c[1]);
    }
    return true;
}

}  // namespace

bool MayTieAt(const Vec3& v, const Vec3 (&a)[2], const Vec3 (&b)[2], const Vec3& eye) {
    const Vec3 w = v - eye;
    Vec3 p[2] = {a[0], a[1]};
    Vec3 q[2] = {b[0], b[1]};
    if (!Orient(p, w) || !Orient(q, w)) {
        return true;
    }
    return Inside(p[0], q, w) || Inside(p[1], q, w) || Inside(q[0], p, w) || Inside(q[1], p, w);
}

void FindTies(const std::vector<WallFace>& faces, const std::vector<char>& exact, double cellSize,
              const Vec3& eye, std::vector<TieCorner>& corners,
              std::vector<std::pair<int, int>>& ties) {
    corners.clear();
    ties.clear();
    for (int i = 0; i < static_cast<int>(faces.size()); ++i) {
        const WallFace& f = faces[i];
        for (int k = 0; k < 4; ++k) {
            const Vec3 p = FaceCorner(f, k);
            const bool far1 = k == 1 || k == 2, far2 = k >= 2;
            corners.push_back({LatticeKey(p, cellSize),
                               p,
                               {far1 ? -f.edge1 : f.edge1, far2 ? -f.edge2 : f.edge2},
                               i});
        }
    }
    std::sort(corners.begin(), corners.end(),
              [](const TieCorner& l, const TieCorner& r) { return l.key < r.key; });
    for (std::size_t begin = 0, end = 0; begin < corners.size(); begin = end) {
        while (end < corners.size() && corners[end].key == corners[begin].key) {
            ++end;
        }
        for (std::size_t m = begin; m < end; ++m) {
            for (std::size_t n = m + 1; n < end; ++n) {
                const TieCorner& a = corners[m];
                const TieCorner& b = corners[n];
                // Two corners at one point belong to two faces: a face's corners differ.
                if (!exact[a.face] || !exact[b.face] || MayTieAt(a.point, a.edges, b.edges, eye)) {
                    ties.emplace_back(std::min(a.face, b.face), std::max(a.face, b.face));
                }
            }
        }
    }
}
