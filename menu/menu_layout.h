#pragma once

#include <string>
#include <vector>

#include "overlay/text_layout.h"

// What the menu screen draws for one frame's menu result, as data (no GL).
//
// MenuClosed and MenuQuit: nothing. A maze size: "Building maze... Please wait..." in the
// current colour. MenuOpen: the page's lines centred one unit per character, the title in red, the
// items in yellow with the highlighted one between "-> " and " <-", then the game title in
// green and the credit line in cyan. lines and highlighted are what HandleInput gave.
std::vector<TextLine> MenuScreenLines(int result, const std::vector<std::string>& lines,
                                      unsigned highlighted);
