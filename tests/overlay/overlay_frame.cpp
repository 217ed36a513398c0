#include "tests/overlay/overlay_frame.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>

#include "platform/image.h"

namespace overlay_frame {

namespace {

int PixelX(double eyeX) {
    const double halfWidth = 50.0 * std::tan(22.5 * std::numbers::pi / 180.0) * 4.0 / 3.0;
    return static_cast<int>(std::lround((eyeX / halfWidth + 1.0) * kFrameWidth / 2.0));
}

int PixelY(double eyeY) {
    const double halfHeight = 50.0 * std::tan(22.5 * std::numbers::pi / 180.0);
    return static_cast<int>(std::lround((1.0 - eyeY / halfHeight) * kFrameHeight / 2.0));
}

// Glyph edges come out as darker shades of the same hue, so the test is on which channels
// are lit, not how brightly. The grey background is Other.
Hue HueOf(const Rgb& p) {
    const auto on = [](int c) { return c > 60; };
    const auto off = [](int c) { return c < 40; };
    if (on(p.r) && off(p.g) && off(p.b)) {
        return Hue::Red;
    }
    if (on(p.r) && on(p.g) && off(p.b) && std::abs(p.r - p.g) < 50) {
        return Hue::Yellow;
    }
    if (off(p.r) && on(p.g) && off(p.b)) {
        return Hue::Green;
    }
    if (off(p.r) && on(p.g) && on(p.b) && std::abs(p.g - p.b) < 50) {
        return Hue::Cyan;
    }
    return Hue::Other;
}

}  // namespace

void OpenWithPlainBackground() {
    OpenGameWindow();
    glClearColor(0.25f, 0.25f, 0.25f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

TextureId Font() {
    static const TextureId font = LoadKeyedTexture("./textures/font.bmp", 0, 0, 0, 1);
    return font;
}

Box EyeBox(double x0, double y0, double x1, double y1, int margin) {
    return {PixelX(x0) - margin, PixelY(y1) - margin, PixelX(x1) + margin, PixelY(y0) + margin};
}

HueCount CountHue(const std::vector<std::uint8_t>& frame, Hue hue, const Box& box) {
    HueCount count;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            if (HueOf(PixelAt(frame, x, y)) != hue) {
                continue;
            }
            if (!box.Contains(x, y)) {
                ++count.outside;
                continue;
            }
            ++count.inside;
            Box& e = count.extent;
            e = {std::min(e.x0, x), std::min(e.y0, y), std::max(e.x1, x), std::max(e.y1, y)};
        }
    }
    return count;
}

void SaveShot(const std::string& name, const std::vector<std::uint8_t>& frame) {
    std::filesystem::create_directories("shots");
    SaveRgbPng("shots/" + name + ".png", frame);
}

}  // namespace overlay_frame
