#pragma once

#include <SDL.h>

#include <cstdint>

#include "platform/texture.h"  // the textures made from the files

// How the desktop reads BMP files into textures (texture.h), through SDL surfaces. Surfaces
// made here are freed here.

// A new surface of the given depth (24 or 32) holding the file's pixels as the bytes red,
// green, blue (and 0 at 32 bits) in memory: the order OpenGL reads. Its format still names
// SDL's default layout for that depth. Any BMP depth SDL reads is accepted.
SDL_Surface* LoadImage(const char* path, int bitsPerPixel);

// LoadImage without the fatal end: nullptr for a file it would refuse.
SDL_Surface* ReadImage(const char* path, int bitsPerPixel);

// LoadImage's decoding step on a stream, which it closes; nullptr where SDL cannot read it.
// Unchecked: callers screen the bytes with BmpIsSound first.
SDL_Surface* DecodeBmp(SDL_RWops* stream, int bitsPerPixel);

// Builds all mipmap levels of a 32-bit R, G, B, A surface; the texture is left bound.
TextureId UploadTexture(SDL_Surface* surface, int magFilter, int minFilter);

// Exchanges bytes 0 and 2 of every pixel; surfaces under 3 bytes per pixel are left alone.
void SwapRedBlue(SDL_Surface* surface);

// Sets the fourth byte of every pixel of a 32-bit surface: 255 where bytes 0, 1, 2 are
// exactly the key, 0 elsewhere.
void ApplyColourKey(SDL_Surface* surface, std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// Pixel k of a row as an unsigned number whose byte k is the pixel's byte k in memory.
// 1 to 4 bytes per pixel; any other size reads 0 and writes nothing.
std::uint32_t GetPixel(const SDL_Surface* surface, int x, int y);
void PutPixel(SDL_Surface* surface, int x, int y, std::uint32_t pixel);

void LockIfNeeded(SDL_Surface* surface);
void UnlockIfNeeded(SDL_Surface* surface);
