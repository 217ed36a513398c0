#include "art/textures/layout.h"

#include <algorithm>
#include <cmath>

#include "art/textures/noise.h"

namespace art {

namespace {

float WrapF(float v, float n) {
    if (v >= 0.0f && v < n) {
        return v;  // what fmod gives, without its slow loop in the page's C library
    }
    v = std::fmod(v, n);
    return v < 0.0f ? v + n : v;
}

}  // namespace

BlockHit RunningBond(float x, float y, int size, int rows, int cols, float shift) {
    const float rowH = static_cast<float>(size) / rows;
    const float colW = static_cast<float>(size) / cols;
    const float fy = WrapF(y, static_cast<float>(size));
    const int row = std::min(rows - 1, static_cast<int>(fy / rowH));
    const float offset = WrapF(row * shift * colW, static_cast<float>(size));
    const float fx = WrapF(x - offset, static_cast<float>(size));
    const int col = std::min(cols - 1, static_cast<int>(fx / colW));
    BlockHit hit;
    hit.id = row * cols + col;
    hit.left = fx - col * colW;
    hit.right = (col + 1) * colW - fx;
    hit.top = fy - row * rowH;
    hit.bottom = (row + 1) * rowH - fy;
    hit.width = colW;
    hit.height = rowH;
    return hit;
}

BlockHit RandomCourses(float x, float y, int size, int rows, int maxCols, unsigned seed) {
    const float rowH = static_cast<float>(size) / rows;
    const float fy = WrapF(y, static_cast<float>(size));
    const int row = std::min(rows - 1, static_cast<int>(fy / rowH));

    // Random widths for this row, normalised to the tile width.
    const int cols =
        std::min(kMaxCourseBlocks,
                 2 + static_cast<int>(Hash(seed, row, 0) % static_cast<unsigned>(maxCols - 1)));
    float widths[kMaxCourseBlocks];
    float total = 0.0f;
    for (int c = 0; c < cols; ++c) {
        widths[c] = 0.6f + Hash01(seed, row, c + 1);
        total += widths[c];
    }
    const float offset = Hash01(seed ^ 0xA511E9B3u, row, 0) * static_cast<float>(size);
    const float fx = WrapF(x - offset, static_cast<float>(size));
    float start = 0.0f;
    int col = 0;
    float width = 0.0f;
    for (; col < cols; ++col) {
        width = widths[col] / total * static_cast<float>(size);
        if (fx < start + width || col == cols - 1) {
            break;
        }
        start += width;
    }
    BlockHit hit;
    hit.id = row * kMaxCourseBlocks + col;
    hit.left = fx - start;
    hit.right = start + width - fx;
    hit.top = fy - row * rowH;
    hit.bottom = (row + 1) * rowH - fy;
    hit.width = width;
    hit.height = rowH;
    return hit;
}

}  // namespace art
