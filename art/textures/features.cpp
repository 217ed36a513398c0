#include "art/textures/features.h"

#include <algorithm>
#include <cmath>

#include "art/textures/noise.h"

namespace art {

float Dome(float d, float radius, float height) {
    if (d >= radius) {
        return 0.0f;
    }
    const float t = d / radius;
    return height * std::sqrt(1.0f - t * t);
}

float NearestBorderRivet(const BlockHit& plate, float inset, float pitch) {
    const float lx = plate.left;
    const float ly = plate.top;
    const float w = plate.width;
    const float h = plate.height;
    auto along = [&](float pos, float length) {
        const float snapped = inset + std::round((pos - inset) / pitch) * pitch;
        return std::clamp(snapped, inset, length - inset);
    };
    const float cx = along(lx, w);
    const float cy = along(ly, h);
    float best = Hypot(lx - cx, ly - inset);
    best = std::min(best, Hypot(lx - cx, ly - (h - inset)));
    best = std::min(best, Hypot(lx - inset, ly - cy));
    best = std::min(best, Hypot(lx - (w - inset), ly - cy));
    return best;
}

float Bevel(float edgeDistance, float gap, float bevel) {
    return Smoothstep(gap, gap + bevel, edgeDistance);
}

}  // namespace art
