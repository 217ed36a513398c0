#pragma once
// Small relief features shared by several textures.

#include "art/textures/layout.h"

namespace art {

// Dome of a rivet or screw head at distance d from its centre; 0 outside the radius.
float Dome(float d, float radius, float height);

// Distance from a point of a plate to the nearest rivet of a row laid around its border,
// `inset` pixels in from each edge and `pitch` pixels apart.
float NearestBorderRivet(const BlockHit& plate, float inset, float pitch);

// Raised-block profile: 0 at the edge, rising to 1 over `bevel` pixels after a flat `gap`.
float Bevel(float edgeDistance, float gap, float bevel);

}  // namespace art
