#include "tools/textures/noise.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

float Fade(float t) { return t * t * (3.0f - 2.0f * t); }

float Lerp(float a, float b, float t) { return a + (b - a) * t; }

}  // namespace

uint32_t Hash(uint32_t seed, int x, int y) {
    uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^
                 static_cast<uint32_t>(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float Hash01(uint32_t seed, int x, int y) {
    return static_cast<float>(Hash(seed, x, y) >> 8) * (1.0f / 16777216.0f);
}

float ValueNoise(uint32_t seed, float u, float v, int cellsX, int cellsY) {
    const float x = u * static_cast<float>(cellsX);
    const float y = v * static_cast<float>(cellsY);
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const float tx = Fade(x - fx);
    const float ty = Fade(y - fy);
    const int xa = Wrap(x0, cellsX), xb = Wrap(x0 + 1, cellsX);
    const int ya = Wrap(y0, cellsY), yb = Wrap(y0 + 1, cellsY);
    const float top = Lerp(Hash01(seed, xa, ya), Hash01(seed, xb, ya), tx);
    const float bottom = Lerp(Hash01(seed, xa, yb), Hash01(seed, xb, yb), tx);
    return Lerp(top, bottom, ty);
}

float Fbm(uint32_t seed, float u, float v, int cellsX, int cellsY, int octaves, float gain) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight *
               ValueNoise(seed + 7919u * static_cast<uint32_t>(i), u, v, cellsX << i, cellsY << i);
        total += weight;
        weight *= gain;
    }
    return sum / total;
}

Worley CellNoise(uint32_t seed, float u, float v, int cells) {
    const float x = u * static_cast<float>(cells);
    const float y = v * static_cast<float>(cells);
    const int cx = static_cast<int>(std::floor(x));
    const int cy = static_cast<int>(std::floor(y));
    Worley w{1e9f, 1e9f};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = cx + dx;
            const int gy = cy + dy;
            // The feature point is hashed from the wrapped cell so the pattern tiles.
            const int wx = Wrap(gx, cells);
            const int wy = Wrap(gy, cells);
            const float px = static_cast<float>(gx) + Hash01(seed, wx, wy);
            const float py = static_cast<float>(gy) + Hash01(seed ^ 0x5bd1e995u, wx, wy);
            const float d = std::hypot(px - x, py - y);
            if (d < w.f1) {
                w.f2 = w.f1;
                w.f1 = d;
            } else if (d < w.f2) {
                w.f2 = d;
            }
        }
    }
    return w;
}

float Smoothstep(float edge0, float edge1, float x) {
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

}  // namespace art
