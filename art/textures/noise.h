#pragma once
// Deterministic, tileable noise for the texture generator, worked out at the pixel centres of
// an n x n tile; every layer repeats with the tile on both axes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace art {

// i modulo n, from 0 to n - 1 for negative i too: lattices that tile. Sides are mostly powers
// of two, where a mask gives the same without two divisions: this is the inner loop of the
// time the page spends drawing its textures.
inline int Wrap(int i, int n) { return (n & (n - 1)) == 0 ? i & (n - 1) : ((i % n) + n) % n; }

// Well-mixed 32-bit hash of a lattice point; the same inputs give the same value on every machine.
uint32_t Hash(uint32_t seed, int x, int y);
float Hash01(uint32_t seed, int x, int y);  // [0, 1)

// One octave of value noise (random values on a cellsX x cellsY lattice, smoothly
// interpolated) over the pixel centres of an n x n tile: the lattice's hashes, and for each
// pixel column and row the lattice lines either side of it and the faded weight between them.
struct FbmOctave {
    FbmOctave(uint32_t seed, int n, int cellsX, int cellsY);

    struct Span {
        int a;
        int b;
        float t;
    };
    int width;
    std::vector<float> lattice;  // Hash01 of each lattice point, row by row
    std::vector<Span> columns;
    std::vector<Span> rows;
};

// Fractal noise at every pixel centre of an n x n tile: the sum of `octaves` layers of value
// noise, each with twice the lattice of the last and `gain` times its weight, normalised to
// [0, 1]. Worked out for the whole tile at once: pixel by pixel, four hashes per octave, it
// was most of the time the page took to draw its textures.
class TileFbm {
  public:
    TileFbm(uint32_t seed, int n, int cellsX, int cellsY, int octaves, float gain = 0.5f);
    float operator()(int x, int y) const { return values_[static_cast<size_t>(y) * n_ + x]; }

  private:
    int n_;
    std::vector<float> values_;
};

// The same (gain 0.5) for each block of a layout, seeded seed + the block's id, pixel by pixel:
// a block covers a small part of the tile. Its lattices are made when the block is first met.
class BlockFbm {
  public:
    BlockFbm(uint32_t seed, int n, int cellsX, int cellsY, int octaves)
        : seed_(seed), n_(n), cellsX_(cellsX), cellsY_(cellsY), octaves_(octaves) {}
    float operator()(int id, int x, int y);

  private:
    uint32_t seed_;
    int n_, cellsX_, cellsY_, octaves_;
    std::vector<std::vector<FbmOctave>> byId_;  // empty for the blocks not met yet
};

// Distances, in lattice cells, to the nearest and second-nearest of one random point per cell.
struct Worley {
    float f1;
    float f2;
};

// Cell noise at every pixel centre of an n x n tile, one random feature point in each of
// cells x cells cells, each hashed once.
class TileCellNoise {
  public:
    TileCellNoise(uint32_t seed, int n, int cells);
    Worley operator()(int x, int y) const;

  private:
    int cells_;
    std::vector<float> at_;      // U(i, n) * cells, the same along both axes
    std::vector<int> cellAt_;    // its cell
    std::vector<float> pointX_;  // the feature point's offset in each cell, row by row
    std::vector<float> pointY_;
};

// hypot(x, y) for floats as glibc works it out, through double, but the same on every machine
// (the page's C library may round it differently) and without a call.
inline float Hypot(float x, float y) {
    return static_cast<float>(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y));
}

// Inline, as the other small helpers the recipes call for every pixel: the page runs them
// as quickly compiled code, where a call costs more than the arithmetic.
inline float Smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace art
