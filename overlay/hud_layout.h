#pragma once

#include <string>
#include <vector>

#include "overlay/text_layout.h"

// What the HUD draws, as data: the time line and, at the end of a maze, the end screen.

// "Elapsed time : M'S\"" for a run of elapsedMs milliseconds. Milliseconds are truncated,
// seconds are not padded and minutes have no upper limit.
std::string ElapsedTimeText(int elapsedMs);

// The time line, then with finished non-zero "Congratulations !!!!" and "Hit Enter".
// All yellow, on the plane z = -50 in eye space.
std::vector<TextLine> HudLines(int elapsedMs, int finished);
