#pragma once

#include <array>

#include "player/vec3.h"

// The goal: a small cube whose six faces take six different colours, rotated by a first
// colour index that the scene draws at random every frame.

struct MarkerColour {
    double red, green, blue;
};

// Red, green, blue, yellow, cyan, magenta.
extern const std::array<MarkerColour, 6> markerPalette;

struct MarkerFace {
    Vec3 corner, edge1, edge2;
    MarkerColour colour;
};

// The cube with lowest corner c and edge a, in drawing order: the low z, low y, low x,
// high z, high y and high x sides; face k takes markerPalette[(first + k) % 6].
std::array<MarkerFace, 6> MarkerFaces(const Vec3& c, double a, int first);

// Draws MarkerFaces with no normal and no bind: the faces take the current normal and the
// texture bound last, multiplied by their colour. (GL)
void DrawExitMarker(Vec3 c, double a, int first);
