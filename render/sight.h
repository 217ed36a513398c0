#pragma once

#include <vector>

#include "maze/maze.h"
#include "render/cell_range.h"
#include "render/view.h"
#include "render/wall_faces.h"

// Which wall faces of the range the eye can see first along some pixel's ray.
//
// Found by flooding the open cells of the range from the eye's cell: each cell gets a screen
// rectangle that holds every pixel whose ray passes through it, narrowed at each cell side
// the rays cross, and a ray that reaches a face stops there. No pixel slips between two
// faces: those that meet share an edge of the lattice whole (there is no T-junction), its
// corners are the same numbers for both, Mesa's clipper cuts a shared edge the same way for
// both faces (always from the corner outside), and its rasteriser leaves no pixel between
// two triangles on one edge. Rectangles carry a margin of a few pixels, so the answer errs
// only on the seen side.

struct ScreenRect {
    double x0, y0, x1, y1;  // normalised device coordinates

    bool empty() const { return x0 > x1 || y0 > y1; }
};

// The flood's working storage, kept by its owner from frame to frame.
struct SightStorage {
    std::vector<ScreenRect> rect;  // per cell of the range
    std::vector<int> faceAt;       // per cell and side (-x, +x, -y, +y, -z, +z): its face
    std::vector<int> queue;
    std::vector<char> queued;
};

// faces are those of ForEachWallFace over range. Returns false, leaving seen alone, when the
// eye is outside the maze, not a finite point, within reach of a wall (the near plane may
// cut into it, and rays start inside), or on a lattice plane.
bool FindSeenFaces(const Maze& maze, const CellRange& range, const View& view,
                   const std::vector<WallFace>& faces, std::vector<char>& seen,
                   SightStorage& storage);

// The distance from the eye to the farthest corner of the near plane: anything nearer may be
// cut by it.
double NearPlaneReach();
