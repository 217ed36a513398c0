#pragma once

// Overlay tests on real frames: a plain background, the generated font, the plane z = -50
// of eye space as pixels, and pixels sorted by hue.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/texture.h"
#include "tests/support/display.h"

namespace overlay_frame {

// The game window with a cleared, plain (64, 64, 64) back buffer and identity model-view.
void OpenWithPlainBackground();

// The generated font sheet, loaded as the game loads it (once per process).
TextureId Font();

struct Box {
    int x0, y0, x1, y1;  // pixels, inclusive, top-left origin
    bool Contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
};

// The eye-space rectangle [x0, x1] x [y0, y1] on z = -50 under the game's 45-degree, 4:3
// perspective, widened by margin pixels.
Box EyeBox(double x0, double y0, double x1, double y1, int margin = 2);

enum class Hue { Other, Red, Yellow, Green, Cyan };

struct HueCount {
    int inside = 0;
    int outside = 0;
    Box extent{kFrameWidth, kFrameHeight, -1, -1};  // of the pixels inside
};
HueCount CountHue(const std::vector<std::uint8_t>& frame, Hue hue, const Box& box);

// Saves the frame as shots/<name>.png under the working directory.
void SaveShot(const std::string& name, const std::vector<std::uint8_t>& frame);

}  // namespace overlay_frame
