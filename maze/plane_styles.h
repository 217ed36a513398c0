#pragma once

#include <vector>

#include "maze/plane_style.h"

// Gives every entry, in index order, a random texture of the set and, when that texture is
// tinted, a random colour: one Random() draw per entry, four for a tinted one. The index byte
// keeps the low 8 bits of the draw. textureCount must be positive.
void assignPlaneStyles(std::vector<PlaneStyle>& planes, int textureCount, int tintedCount);
