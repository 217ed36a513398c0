#pragma once

#include <cstdint>
#include <vector>

// Reading what the game shows: counting pixels of the exact colours text is drawn in.
// Text is drawn unlit and unfogged, so its pure colours never come from a lit wall.

struct Box {
    int x0, y0, x1, y1;  // inclusive, pixels from the top left of the 800x600 screen
};

enum class Ink { Red, Green, Yellow, Cyan };

int CountInk(const std::vector<std::uint8_t>& rgb, Ink ink, Box box);

// The share of pixels in box whose colour differs by more than 24 in any channel.
double ChangedShare(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b,
                    Box box);

// The mean colour difference per channel between a and b inside box, after shifting b
// vertically by the best of -maxShift..maxShift pixels. Facing a wall squarely, the camera
// bob only slides the picture up and down; moving toward the wall scales it.
double DifferenceBeyondVerticalShift(const std::vector<std::uint8_t>& a,
                                     const std::vector<std::uint8_t>& b, Box box, int maxShift);

// Where the menu and the overlays draw (computed from their places on the plane z = -50).
constexpr Box kTitleBox{100, 20, 770, 90};
constexpr Box kCreditBox{250, 90, 625, 150};
constexpr Box kMenuLinesBox{100, 150, 700, 480};
constexpr Box kTimeBox{328, 546, 762, 575};
constexpr Box kWholeScreen{0, 0, 799, 599};
