#include "art/textures/surface.h"

#include <algorithm>
#include <cmath>

#include "art/textures/noise.h"

namespace art {

RgbImage Shade(const Surface& surface) {
    // Light from the upper left and in front; image y grows downwards.
    const float lx = -0.45f, ly = -0.55f, lz = 0.70f;
    const float norm = std::sqrt(lx * lx + ly * ly + lz * lz);
    const int n = surface.size;
    RgbImage image(n, n);
    for (int y = 0; y < n; ++y) {
        // The rows either side, wrapped; and the columns, below.
        const float* above = &surface.height[static_cast<size_t>(Wrap(y - 1, n)) * n];
        const float* row = &surface.height[static_cast<size_t>(y) * n];
        const float* below = &surface.height[static_cast<size_t>(Wrap(y + 1, n)) * n];
        for (int x = 0; x < n; ++x) {
            const int left = x == 0 ? n - 1 : x - 1;
            const int right = x == n - 1 ? 0 : x + 1;
            const float dx = (row[right] - row[left]) * 0.5f;
            const float dy = (below[x] - above[x]) * 0.5f;
            const float len = std::sqrt(dx * dx + dy * dy + 1.0f);
            const float diffuse = (-dx * lx - dy * ly + lz) / (len * norm);
            const float flat = lz / norm;
            const float light = std::clamp(0.25f + 0.75f * diffuse / flat, 0.0f, 1.6f);
            const Rgb c = surface.colour[static_cast<size_t>(y) * n + x];
            uint8_t* out = image.at(x, y);
            const float channels[3] = {c.r, c.g, c.b};
            for (int i = 0; i < 3; ++i) {
                const float v = std::clamp(channels[i] * light, 0.0f, 1.0f);
                // lround without its call: for 0..255 the sum is exact in double.
                out[i] = static_cast<uint8_t>(static_cast<double>(v * 255.0f) + 0.5);
            }
        }
    }
    return image;
}

double MeanLuminance(const RgbImage& image) {
    double sum = 0.0;
    const size_t pixels = static_cast<size_t>(image.width) * image.height;
    for (size_t i = 0; i < pixels; ++i) {
        sum +=
            0.299 * image.rgb[i * 3] + 0.587 * image.rgb[i * 3 + 1] + 0.114 * image.rgb[i * 3 + 2];
    }
    return pixels == 0 ? 0.0 : sum / static_cast<double>(pixels);
}

void MatchMeanLuminance(RgbImage& image, double target) {
    const double mean = MeanLuminance(image);
    if (mean <= 0.0) {
        return;
    }
    const double k = target / mean;
    uint8_t scaled[256];
    for (int v = 0; v < 256; ++v) {
        scaled[v] = static_cast<uint8_t>(std::clamp(std::lround(v * k), 0L, 255L));
    }
    for (uint8_t& v : image.rgb) {
        v = scaled[v];
    }
}

}  // namespace art
