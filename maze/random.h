#pragma once

// The game's one random generator: the sequence of the desktop C library's rand() after
// srand(seed), computed by our own code so that every build (the browser's C library has
// another generator) builds the same mazes from the same seed. Mazes, plane styles and the
// exit marker's colours all draw from it; it is seeded once when the game starts.

void SeedRandom(unsigned seed);

// The next number, 0 to 2^31 - 1.
int Random();
