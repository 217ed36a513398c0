#include "tools/textures/noise.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "tools/textures/surface.h"

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

TileFbm::TileFbm(uint32_t seed, int n, int cellsX, int cellsY, int octaves, float gain)
    : gain_(gain) {
    // The same operations as ValueNoise's on the same values, so the same results.
    auto spans = [n](int cells) {
        std::vector<Span> out(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const float x = U(i, n) * static_cast<float>(cells);
            const float fx = std::floor(x);
            const int x0 = static_cast<int>(fx);
            out[static_cast<size_t>(i)] = {Wrap(x0, cells), Wrap(x0 + 1, cells), Fade(x - fx)};
        }
        return out;
    };
    for (int i = 0; i < octaves; ++i) {
        const uint32_t layer = seed + 7919u * static_cast<uint32_t>(i);
        const int w = cellsX << i, h = cellsY << i;
        Octave octave{w, std::vector<float>(static_cast<size_t>(w) * h), spans(w), spans(h)};
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                octave.lattice[static_cast<size_t>(y) * w + x] = Hash01(layer, x, y);
            }
        }
        octaves_.push_back(std::move(octave));
    }
}

float TileFbm::operator()(int x, int y) const {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (const Octave& o : octaves_) {
        const Span& c = o.columns[static_cast<size_t>(x)];
        const Span& r = o.rows[static_cast<size_t>(y)];
        const float* ya = &o.lattice[static_cast<size_t>(r.a) * o.width];
        const float* yb = &o.lattice[static_cast<size_t>(r.b) * o.width];
        const float top = Lerp(ya[c.a], ya[c.b], c.t);
        const float bottom = Lerp(yb[c.a], yb[c.b], c.t);
        sum += weight * Lerp(top, bottom, r.t);
        total += weight;
        weight *= gain_;
    }
    return sum / total;
}

float BlockFbm::operator()(int id, int x, int y) {
    const auto at = static_cast<size_t>(id);
    if (at >= byId_.size()) {
        byId_.resize(at + 1);
    }
    if (!byId_[at]) {
        byId_[at] = std::make_unique<TileFbm>(seed_ + static_cast<uint32_t>(id), n_, cellsX_,
                                              cellsY_, octaves_);
    }
    return (*byId_[at])(x, y);
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
            const float d = Hypot(px - x, py - y);
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

TileCellNoise::TileCellNoise(uint32_t seed, int n, int cells)
    : cells_(cells),
      at_(static_cast<size_t>(n)),
      cellAt_(static_cast<size_t>(n)),
      pointX_(static_cast<size_t>(cells) * cells),
      pointY_(static_cast<size_t>(cells) * cells) {
    for (int i = 0; i < n; ++i) {
        at_[static_cast<size_t>(i)] = U(i, n) * static_cast<float>(cells);
        cellAt_[static_cast<size_t>(i)] = static_cast<int>(std::floor(at_[static_cast<size_t>(i)]));
    }
    for (int y = 0; y < cells; ++y) {
        for (int x = 0; x < cells; ++x) {
            pointX_[static_cast<size_t>(y) * cells + x] = Hash01(seed, x, y);
            pointY_[static_cast<size_t>(y) * cells + x] = Hash01(seed ^ 0x5bd1e995u, x, y);
        }
    }
}

Worley TileCellNoise::operator()(int px, int py) const {
    // CellNoise's loop, its hashes looked up.
    const float x = at_[static_cast<size_t>(px)];
    const float y = at_[static_cast<size_t>(py)];
    const int cx = cellAt_[static_cast<size_t>(px)];
    const int cy = cellAt_[static_cast<size_t>(py)];
    Worley w{1e9f, 1e9f};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int gx = cx + dx;
            const int gy = cy + dy;
            const size_t cell = static_cast<size_t>(Wrap(gy, cells_)) * cells_ + Wrap(gx, cells_);
            const float fx = static_cast<float>(gx) + pointX_[cell];
            const float fy = static_cast<float>(gy) + pointY_[cell];
            const float d = Hypot(fx - x, fy - y);
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
