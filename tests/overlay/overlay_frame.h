#pragma once

// Helpers for overlay tests on real frames: a plain background, the generated font, the
// eye-space plane z = -50 mapped to pixels, and pixels sorted by hue.

#include <GL/gl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/texture.h"
#include "tests/support/display.h"

namespace overlay_frame {

// The window with a fresh, plain dark-grey back buffer and identity matrices' defaults.
void OpenWithPlainBackground();

// The generated font sheet, loaded the way the game loads it (once per process).
TextureId Font();

// A point of the plane z = -50 in eye space as a pixel (top-left origin), under the game's
// 45-degree, 4:3 perspective.
int PixelX(double eyeX);
int PixelY(double eyeY);

enum class Hue { Other, Red, Yellow, Green, Cyan };
Hue HueOf(const Rgb& p);

struct Box {
    int x0, y0, x1, y1;  // inclusive
    bool Contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// Eye-space rectangle [x0, x1] x [y0, y1] on z = -50 as pixels, widened by margin.
Box EyeBox(double x0, double y0, double x1, double y1, int margin = 2);

struct HueCount {
    int inside = 0;
    int outside = 0;
    Box extent{kFrameWidth, kFrameHeight, -1, -1};  // of the pixels inside
};
HueCount CountHue(const std::vector<std::uint8_t>& frame, Hue hue, const Box& box);

// Saves the frame as shots/<name>.png under the working directory.
void SaveShot(const std::string& name, const std::vector<std::uint8_t>& frame);

}  // namespace overlay_frame
