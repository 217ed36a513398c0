#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "player/vec3.h"
#include "render/wall_faces.h"

// Where two wall faces meet, at an edge or a corner, the pixels next to the meeting point can
// get exactly the same depth from both, and then the face drawn later wins. Faces that do
// not meet are at least a cell apart and never tie, so these are the only pixels of the
// wall pass whose colour depends on the order of the draws.

// Whether two faces meeting at lattice point v can cover the same pixels next to v, seen
// from eye: a and b are the two edge directions of each face out of v. Near-degenerate
// views (the eye on or next to a lattice plane through v) count as yes.
bool MayTieAt(const Vec3& v, const Vec3 (&a)[2], const Vec3 (&b)[2], const Vec3& eye);

// A face's corner: the lattice point and the face's two edges out of it.
struct TieCorner {
    std::int64_t key;  // LatticeKey of the point
    Vec3 point;
    Vec3 edges[2];
    int face;
};

// The pairs of faces (earlier, later) that may tie. An exact face (exact[i] != 0) ties only
// as MayTieAt says; one whose draw may be clipped, which moves its rounding, may tie with
// every face it meets. Repeats are possible. corners is working storage, kept by the caller.
void FindTies(const std::vector<WallFace>& faces, const std::vector<char>& exact, double cellSize,
              const Vec3& eye, std::vector<TieCorner>& corners,
              std::vector<std::pair<int, int>>& ties);
