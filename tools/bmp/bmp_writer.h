#pragma once
// 24-bit uncompressed BMP output for the art tools.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/bmp/image.h"

// The whole file: headers, then rows bottom-up in blue-green-red order, each padded to 4 bytes.
std::vector<uint8_t> EncodeBmp(const RgbImage& image);

// False (with nothing half-written left behind as success) when the file cannot be written.
bool WriteBmp(const std::string& path, const RgbImage& image);
