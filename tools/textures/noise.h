#pragma once
// Deterministic, tileable noise for the texture generator. Coordinates u, v are in tile units:
// [0, 1) covers the texture once and every function repeats with period 1 on both axes.

#include <cstdint>

namespace art {

// Well-mixed 32-bit hash of a lattice point; the same inputs give the same value on every machine.
// i modulo n, from 0 to n - 1 for negative i too: lattices that tile. Sides are mostly powers
// of two, where a mask gives the same without two divisions: this is the inner loop of the
// time the page spends drawing its textures.
inline int Wrap(int i, int n) { return (n & (n - 1)) == 0 ? i & (n - 1) : ((i % n) + n) % n; }

uint32_t Hash(uint32_t seed, int x, int y);
float Hash01(uint32_t seed, int x, int y);  // [0, 1)

// Smoothly interpolated random values on a cellsX x cellsY lattice; result in [0, 1].
float ValueNoise(uint32_t seed, float u, float v, int cellsX, int cellsY);

// Sum of `octaves` layers of value noise, each with twice the lattice of the last and `gain`
// times its weight; normalised to [0, 1].
float Fbm(uint32_t seed, float u, float v, int cellsX, int cellsY, int octaves, float gain = 0.5f);

// Distances, in lattice cells, to the nearest and second-nearest of one random point per cell.
struct Worley {
    float f1;
    float f2;
};
Worley CellNoise(uint32_t seed, float u, float v, int cells);

float Smoothstep(float edge0, float edge1, float x);

}  // namespace art
