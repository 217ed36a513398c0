#pragma once

#include <cmath>
#include <cstdint>

#include "player/vec3.h"
#include "render/wall_faces.h"

// Wall faces meet only at the points of the cell lattice, which these keys name exactly.

// The lattice point at p (a corner of some cell), packed into one number.
inline std::int64_t LatticeKey(const Vec3& p, double cellSize) {
    const auto index = [cellSize](double c) {
        return std::llround(c / cellSize) + (std::int64_t{1} << 20);
    };
    return (index(p.x) << 42) | (index(p.y) << 21) | index(p.z);
}

// Corner k of a face: the corner itself, then +edge1, +edge1 +edge2, +edge2 (a loop).
inline Vec3 FaceCorner(const WallFace& f, int k) {
    return f.corner + ((k == 1 || k == 2) ? f.edge1 : Vec3{}) + (k >= 2 ? f.edge2 : Vec3{});
}
