#pragma once

#include <vector>

#include "maze/maze.h"
#include "platform/texture.h"
#include "player/vec3.h"
#include "render/cell_range.h"
#include "render/face_ties.h"
#include "render/sight.h"
#include "render/view.h"
#include "render/wall_faces.h"

// The wall pass as plain data: which faces to send to OpenGL, and in which order, so that
// the picture is exactly that of sending every face of the range in the order of
// ForEachWallFace, one quad and one bind each, with far less work for the rasteriser.
//
// What keeps the picture the same, bit for bit, on Mesa's software renderer:
// - Mesa draws consecutive quads with the same texture as one draw, and rounds a quad
//   differently depending on the rest of its draw (whether any of it needs clipping).
//   So the faces go in runs, the maximal runs of consecutive faces with one texture: a
//   run is drawn whole, in its own order, or not at all, and two runs with one texture
//   that end up next to each other must be kept apart (the drawing binds no texture
//   between them for that).
// - A run without a pixel (all of its faces clearly outside the view volume) is left out.
// - The last run stays last: the exit marker joins its draw.
// - The depth test keeps the nearest fragment; among equal depths (LEQUAL) the last one
//   drawn. Only faces that meet can tie (face_ties.h); runs whose faces may tie keep
//   their order. All other runs go nearest first, so that hidden fragments fail the
//   depth test before they are shaded, and runs that face away from the eye (hidden but
//   for ties) go after the others.
struct WallRun {
    int first, last;  // faces [first, last)
    TextureId texture;
};

// What the order needs to know of a run.
struct RunFacts {
    bool drawn = false;       // some face may give a pixel
    bool exact = true;        // no corner needs clipping: its rounding is its own
    bool facesAway = true;    // the eye is behind every face: hidden but for ties
    double distance = 1e300;  // to its nearest face
};

// The planning's working storage.
struct WallPassStorage {
    std::vector<char> inView;  // per face: not clearly outside the view volume
    std::vector<char> exact;   // per face: that of its run
    std::vector<char> seen, shows;
    std::vector<int> runOf;  // per face
    std::vector<RunFacts> runs;
    std::vector<std::pair<int, int>> faceTies, runTies;
    std::vector<int> waiting, start;
    std::vector<TieCorner> corners;
    SightStorage sight;
};

// One frame's pass. Whoever draws the frames owns one and hands it to every frame, so that
// its storage is reused rather than made anew.
struct WallPass {
    std::vector<WallFace> faces;  // every face of the range, in the order of ForEachWallFace
    std::vector<WallRun> runs;
    std::vector<int> order;  // the runs to draw, in drawing order
    WallPassStorage storage;

    int facesDrawn() const;
};

// Plans the pass over range for view; ex, ey, ez are the cell's edge vectors.
void PlanWallPass(const Maze& maze, const CellRange& range, const Vec3& ex, const Vec3& ey,
                  const Vec3& ez, const View& view, WallPass& pass);
