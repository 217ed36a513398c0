#pragma once
// The game's icon, drawn from geometry at any size: a maze cube seen corner-on, with the
// exit marker's coloured cube standing on it. Used by make-icon for the installed PNG files
// and the web page's, and by the game for its window icon, so both always show the same picture.

#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbaImage {
    int size = 0;
    std::vector<std::uint8_t> rgba;  // size * size * 4 bytes, straight alpha, top row first
};

RgbaImage DrawIcon(int size);

// The sizes installed into the hicolor theme, and the one the game gives its window.
constexpr int kIconSizes[] = {32, 48, 64, 128, 256};
constexpr int kWindowIconSize = kIconSizes[2];
// The web page's sizes, which its manifest lists for home screens and app lists.
constexpr int kPageIconSizes[] = {192, 512};
