#pragma once

#include <cstdint>

#include "platform/texture.h"

// The page paints its wall textures rather than reading them from files: a picture of 8-bit
// RGB, top row first, becomes the texture that LoadTexture makes of the same picture's file.
TextureId UploadPicture(int width, int height, const std::uint8_t* rgb);
