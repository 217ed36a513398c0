#pragma once
// PNG output of the icon through libpng.

#include <string>

#include "tools/icon/icon_art.h"

// False, with libpng's reason on stderr, when the file cannot be written.
bool WritePng(const std::string& path, const RgbaImage& image);
