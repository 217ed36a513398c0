#include "art/textures/noise.h"

#include <algorithm>
#include <cmath>

#include "art/textures/surface.h"

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

FbmOctave::FbmOctave(uint32_t seed, int n, int cellsX, int cellsY)
    : width(cellsX), lattice(static_cast<size_t>(cellsX) * cellsY) {
    // Where each pixel centre falls between the lattice lines, and how far, faded.
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
    columns = spans(cellsX);
    rows = spans(cellsY);
    for (int y = 0; y < cellsY; ++y) {
        for (int x = 0; x < cellsX; ++x) {
            lattice[static_cast<size_t>(y) * cellsX + x] = Hash01(seed, x, y);
        }
    }
}

TileFbm::TileFbm(uint32_t seed, int n, int cellsX, int cellsY, int octaves, float gain)
    : n_(n), values_(static_cast<size_t>(n) * n, 0.0f) {
    // Octave after octave for every pixel: each pixel's terms add up in the same order as
    // BlockFbm's, so both give the same value for the same layer.
    float weight = 1.0f;
    float total = 0.0f;
    std::vector<float> across;  // each lattice row interpolated across every pixel column
    for (int i = 0; i < octaves; ++i) {
        const FbmOctave o(seed + 7919u * static_cast<uint32_t>(i), n, cellsX << i, cellsY << i);
        const size_t lines = o.lattice.size() / static_cast<size_t>(o.width);
        across.resize(lines * static_cast<size_t>(n));
        for (size_t line = 0; line < lines; ++line) {
            const float* values = &o.lattice[line * static_cast<size_t>(o.width)];
            float* out = &across[line * static_cast<size_t>(n)];
            for (int x = 0; x < n; ++x) {
                const FbmOctave::Span& c = o.columns[static_cast<size_t>(x)];
                out[x] = Lerp(values[c.a], values[c.b], c.t);
            }
        }
        for (int y = 0; y < n; ++y) {
            const FbmOctave::Span& r = o.rows[static_cast<size_t>(y)];
            const float* top = &across[static_cast<size_t>(r.a) * n];
            const float* bottom = &across[static_cast<size_t>(r.b) * n];
            float* sum = &values_[static_cast<size_t>(y) * n];
            for (int x = 0; x < n; ++x) {
                sum[x] += weight * Lerp(top[x], bottom[x], r.t);
            }
        }
        total += weight;
        weight *= gain;
    }
    for (float& v : values_) {
        v /= total;
    }
}

float BlockFbm::operator()(int id, int x, int y) {
    const auto at = static_cast<size_t>(id);
    if (at >= byId_.size()) {
        byId_.resize(at + 1);
    }
    std::vector<FbmOctave>& octaves = byId_[at];
    const uint32_t seed = seed_ + static_cast<uint32_t>(id);
    for (int i = static_cast<int>(octaves.size()); i < octaves_; ++i) {
        octaves.emplace_back(seed + 7919u * static_cast<uint32_t>(i), n_, cellsX_ << i,
                             cellsY_ << i);
    }
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (const FbmOctave& o : octaves) {
        const FbmOctave::Span& c = o.columns[static_cast<size_t>(x)];
        const FbmOctave::Span& r = o.rows[static_cast<size_t>(y)];
        const float* ya = &o.lattice[static_cast<size_t>(r.a) * o.width];
        const float* yb = &o.lattice[static_cast<size_t>(r.b) * o.width];
        const float top = Lerp(ya[c.a], ya[c.b], c.t);
        const float bottom = Lerp(yb[c.a], yb[c.b], c.t);
        sum += weight * Lerp(top, bottom, r.t);
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
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
    // The feature points of the 3 x 3 cells around the pixel's, each hashed from its wrapped
    // cell so that the pattern tiles.
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

}  // namespace art
