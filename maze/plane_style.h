#pragma once

#include <cstdint>

// The look of every wall face lying in one grid plane: a colour that multiplies the
// texture, and an index into the maze's texture list.
struct PlaneStyle {
    std::uint8_t red = 255;
    std::uint8_t green = 255;
    std::uint8_t blue = 255;
    std::uint8_t textureIndex = 255;
};
