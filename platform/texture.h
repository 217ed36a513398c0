#pragma once

#include <cstdint>

// A texture, by its name in the platform's OpenGL or WebGL. Names are never deleted.
using TextureId = std::uint32_t;

// Passed to the quad primitives: draw with whatever texture is bound already.
constexpr TextureId KeepTexture = 0xFFFFFFFFu;

// BMP files become textures. Texture functions need the video of InitVideo. A file that
// cannot be loaded ends the program through FatalMissingFile: one that is not a regular file,
// or whose header is not sound (bmp_check.h: no side above the largest texture), or that
// cannot be decoded.
//
// Alpha convention: a fourth byte of 255 marks a texel transparent (the alpha test discards
// it), 0 opaque.

// A mipmapped, repeating texture of the file, fourth byte 0 everywhere (drawn whole).
TextureId LoadTexture(const char* path, int bitsPerPixel);

// Like LoadTexture, with texels of exactly the key colour transparent. Without mipmapped the
// minification filter is GL_NEAREST; mipmap levels are built either way.
TextureId LoadKeyedTexture(const char* path, std::uint8_t keyRed, std::uint8_t keyGreen,
                           std::uint8_t keyBlue, int mipmapped);

// Prints "Erreur : Le fichier <path> requis n'existe pas !!" on standard output, shuts the
// video down and ends the game with status -1.
[[noreturn]] void FatalMissingFile(const char* path);
