#pragma once
// A square texture under construction: a colour and a height per pixel. Shading lights the
// height field from the upper left, wrapping at the borders so the result still tiles.

#include <cstddef>
#include <vector>

#include "art/image.h"

namespace art {

struct Rgb {
    float r = 0.0f, g = 0.0f, b = 0.0f;
};

inline Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb Scale(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }

struct Surface {
    int size = 0;
    std::vector<Rgb> colour;    // albedo, 0..1 per channel
    std::vector<float> height;  // in pixels of relief

    explicit Surface(int side)
        : size(side),
          colour(static_cast<size_t>(side) * side),
          height(static_cast<size_t>(side) * side, 0.0f) {}

    Rgb& colourAt(int x, int y) { return colour[static_cast<size_t>(y) * size + x]; }
    float& heightAt(int x, int y) { return height[static_cast<size_t>(y) * size + x]; }
};

// Colour times a diffuse term from the height field's normals; flat ground keeps its albedo.
RgbImage Shade(const Surface& surface);

// Rec. 601 luma averaged over the image, 0..255.
double MeanLuminance(const RgbImage& image);

// Scales all channels so the mean luminance lands near `target` (clipping may keep it a little
// short); keeps the pattern's contrast proportionate.
void MatchMeanLuminance(RgbImage& image, double target);

// Centre of pixel x of an n-pixel tile, in tile units (0..1).
inline float U(int x, int n) { return (static_cast<float>(x) + 0.5f) / static_cast<float>(n); }

// What a recipe makes of one pixel.
struct Texel {
    Rgb colour;
    float height;
};

// The shaded n x n tile whose pixel (x, y) is texelAt(x, y).
template <class TexelAt>
RgbImage ShadedTile(int n, TexelAt texelAt) {
    Surface surface(n);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const Texel texel = texelAt(x, y);
            surface.colourAt(x, y) = texel.colour;
            surface.heightAt(x, y) = texel.height;
        }
    }
    return Shade(surface);
}

}  // namespace art
