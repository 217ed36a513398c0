#pragma once

#include <cstdint>
#include <vector>

// Judging 800x600 screenshots (RGB, top row first) of the real game. Text is drawn unlit and
// unfogged, so its pure colours never come from a lit wall.

struct Box {
    int x0, y0, x1, y1;  // inclusive, pixels from the top left
};

enum class Ink { Red, Green, Yellow, Cyan };

// Pixels of the ink's pure colour inside box.
int CountInk(const std::vector<std::uint8_t>& rgb, Ink ink, Box box);

// Where the overlays draw, from their places on the plane z = -50.
constexpr Box kTitleBox{100, 20, 770, 90};
constexpr Box kCreditBox{250, 90, 625, 150};
constexpr Box kMenuLinesBox{100, 150, 700, 480};
constexpr Box kPromptBox{110, 228, 690, 300};    // "Hit Enter"
constexpr Box kCongratsBox{110, 372, 690, 445};  // "Congratulations !!!!"
