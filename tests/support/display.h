#pragma once

#include <cstdint>
#include <string>
#include <vector>

// For tests linked with orr_display_main: a private Xvfb is running and DISPLAY names it.

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;

// Opens the game's video mode (800x600x32 full screen, OpenGL) once per process.
void OpenGameWindow();

// The back buffer as RGB bytes, top row first (the orientation of a screenshot).
std::vector<std::uint8_t> ReadFrameRgb();

struct Rgb {
    int r, g, b;
};
// One pixel of a frame from ReadFrameRgb, x and y counted from the top left.
Rgb PixelAt(const std::vector<std::uint8_t>& frame, int x, int y, int width = kFrameWidth);

// Writes RGB bytes (top row first) as a PNG through ImageMagick, for looking at.
void SaveRgbPng(const std::string& path, const std::vector<std::uint8_t>& rgb,
                int width = kFrameWidth, int height = kFrameHeight);

// The display of the private server, e.g. ":7".
const std::string& TestDisplay();
