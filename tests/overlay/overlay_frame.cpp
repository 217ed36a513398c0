#include "tests/overlay/overlay_frame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <numbers>

#include "platform/image.h"

// X, the GL driver and SDL keep a few allocations for the life of the process. Weak, so a
// program-wide list elsewhere takes precedence.
extern "C" __attribute__((weak)) const char* __lsan_default_suppressions() {
    return "leak:libX11.so\n"
           "leak:libxcb.so\n"
           "leak:libGLX_mesa.so\n"
           "leak:libGLX.so\n"
           "leak:swrast_dri.so\n"
           "leak:libSDL\n"
           "leak:libubsan.so\n";
}

namespace overlay_frame {

namespace {
// Half the visible height and width of the plane z = -50.
const double halfHeight = 50.0 * std::tan(22.5 * std::numbers::pi / 180.0);
const double halfWidth = halfHeight * 4.0 / 3.0;
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

int PixelX(double eyeX) {
    return static_cast<int>(std::lround((eyeX / halfWidth + 1.0) * kFrameWidth / 2.0));
}
int PixelY(double eyeY) {
    return static_cast<int>(std::lround((1.0 - eyeY / halfHeight) * kFrameHeight / 2.0));
}

Hue HueOf(const Rgb& p) {
    // The glyphs are light on a black key; their edges come out as darker shades of the
    // same hue, so thresholds are on the ratio of channels, not their level. The background
    // (64, 64, 64) falls under Other.
    const int hi = 60;
    const int lo = 40;
    if (p.r > hi && p.g < lo && p.b < lo) {
        return Hue::Red;
    }
    if (p.r > hi && p.g > hi && p.b < lo && std::abs(p.r - p.g) < 50) {
        return Hue::Yellow;
    }
    if (p.g > hi && p.r < lo && p.b < lo) {
        return Hue::Green;
    }
    if (p.g > hi && p.b > hi && p.r < lo && std::abs(p.g - p.b) < 50) {
        return Hue::Cyan;
    }
    return Hue::Other;
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
            count.extent.x0 = std::min(count.extent.x0, x);
            count.extent.y0 = std::min(count.extent.y0, y);
            count.extent.x1 = std::max(count.extent.x1, x);
            count.extent.y1 = std::max(count.extent.y1, y);
        }
    }
    return count;
}

void SaveShot(const std::string& name, const std::vector<std::uint8_t>& frame) {
    std::filesystem::create_directories("shots");
    SaveRgbPng("shots/" + name + ".png", frame);
}

}  // namespace overlay_frame
