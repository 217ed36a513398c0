#pragma once
// 24-bit uncompressed BMP files for the art tools.

#include <string>

#include "art/image.h"

// False (with nothing half-written left behind as success) when the file cannot be written.
bool WriteBmp(const std::string& path, const RgbImage& image);
