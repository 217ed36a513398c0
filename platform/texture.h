#pragma once

#include <cstdint>

// An OpenGL texture name. Names are never deleted.
using TextureId = std::uint32_t;

// Passed to the quad primitives: draw with whatever texture is bound already.
constexpr TextureId KeepTexture = 0xFFFFFFFFu;
