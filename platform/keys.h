#pragma once

// The key symbols the game reads, with the values of SDL 1.2's SDLK_* constants, so that
// game logic can name them without including SDL. sdl_input.cpp checks they agree.
namespace key {
constexpr int Return = 13;
constexpr int Escape = 27;
constexpr int H = 104;
constexpr int I = 105;
constexpr int J = 106;
constexpr int K = 107;
constexpr int L = 108;
constexpr int O = 111;
constexpr int U = 117;
constexpr int Y = 121;
constexpr int Up = 273;
constexpr int Down = 274;
constexpr int Right = 275;
constexpr int Left = 276;
constexpr int Last = 323;  // one past the highest key symbol
}  // namespace key

// Indices for ReadMouseButton (SDL button number minus one).
namespace mouse {
constexpr int Left = 0;
constexpr int Middle = 1;
constexpr int Right = 2;
}  // namespace mouse
