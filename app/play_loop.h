#pragma once

#include "maze/texture_set.h"
#include "platform/texture.h"

class MenuPage;

// One run of the game: builds a maze of mazeSize cells on every axis and a player at its
// start, then runs frames until the menu picks a size, the player reaches the exit, or
// Quit is chosen. Returns 0 with the next size in mazeSize, or -1 for Quit.
int PlayLoop(MenuPage& menuRoot, TextureId font, int& mazeSize, const TextureSet& wallTextures);
