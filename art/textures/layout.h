#pragma once
// Masonry layouts that wrap around the tile: which block a pixel belongs to and how far it is
// from that block's edges.

#include <algorithm>

namespace art {

struct BlockHit {
    int id = 0;         // stable number of the block, unique within the tile
    float left = 0.0f;  // pixel distances from the point to each edge of its block
    float right = 0.0f;
    float top = 0.0f;
    float bottom = 0.0f;
    float width = 0.0f;  // block size in pixels
    float height = 0.0f;

    float edge() const {  // distance to the nearest edge
        return std::min(std::min(left, right), std::min(top, bottom));
    }
};

// Rows of `rows` equal heights; row r holds `cols` equal blocks shifted by r * shift of a block.
BlockHit RunningBond(float x, float y, int size, int rows, int cols, float shift);

// Rows of equal height whose blocks have random widths (2 to maxCols blocks per row, at most
// kMaxCourseBlocks; a block's id is row * kMaxCourseBlocks + its place in the row).
constexpr int kMaxCourseBlocks = 16;
BlockHit RandomCourses(float x, float y, int size, int rows, int maxCols, unsigned seed);

}  // namespace art
