#pragma once
// Reading BMP files back through SDL, the way the game will.

#include <SDL.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "tools/bmp/image.h"

struct SurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

inline SurfacePtr LoadBmpFile(const std::string& path) {
    return SurfacePtr(SDL_LoadBMP(path.c_str()));
}

inline std::array<uint8_t, 3> SurfaceRgb(SDL_Surface* s, int x, int y) {
    const uint8_t* p =
        static_cast<const uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    uint32_t value = 0;
    for (int i = 0; i < s->format->BytesPerPixel; ++i) {
        value |= static_cast<uint32_t>(p[i]) << (8 * i);
    }
    std::array<uint8_t, 3> rgb{};
    SDL_GetRGB(value, s->format, &rgb[0], &rgb[1], &rgb[2]);
    return rgb;
}

// The surface as an RgbImage, rows top-first.
inline RgbImage SurfaceToImage(SDL_Surface* s) {
    RgbImage image(s->w, s->h);
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            const auto rgb = SurfaceRgb(s, x, y);
            uint8_t* out = image.at(x, y);
            out[0] = rgb[0];
            out[1] = rgb[1];
            out[2] = rgb[2];
        }
    }
    return image;
}
