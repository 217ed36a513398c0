#pragma once
// PNG output through libpng: the icons, and frames saved for looking at.

#include <cstdint>
#include <string>

// width x height pixels of `channels` bytes each, 3 (R, G, B) or 4 (R, G, B, straight alpha),
// top row first. False, with libpng's reason on stderr, when the file cannot be written.
bool WritePng(const std::string& path, int width, int height, int channels,
              const std::uint8_t* pixels);
