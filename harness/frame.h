#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Read-back of the game's 800x600 frame, for tests and benchmarks that draw.

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;

// The back buffer as RGB bytes, top row first (the orientation of a screenshot).
std::vector<std::uint8_t> ReadFrameRgb();

struct Rgb {
    int r, g, b;
};
// One pixel of a frame from ReadFrameRgb, x and y counted from the top left.
Rgb PixelAt(const std::vector<std::uint8_t>& frame, int x, int y, int width = kFrameWidth);

// Writes RGB bytes (top row first) as a PNG, for looking at.
void SaveRgbPng(const std::string& path, const std::vector<std::uint8_t>& rgb,
                int width = kFrameWidth, int height = kFrameHeight);
