#pragma once

#include <vector>

#include "overlay/text_layout.h"

// What the HUD draws, as data: the time line and, at the end of a maze, the end screen.

// The time line "Elapsed time : M'S\"" (milliseconds truncated, seconds unpadded, minutes
// unbounded), then with finished non-zero "Congratulations !!!!" and "Hit Enter".
// All yellow, on the plane z = -50 in eye space.
std::vector<TextLine> HudLines(int elapsedMs, int finished);
