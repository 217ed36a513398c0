#pragma once

#include "maze/texture_set.h"
#include "platform/texture.h"

class MenuPage;

// One run of the game on the desktop: the frame steps of a Game (app/game.h) from building a
// maze of mazeSize cells on every axis until the menu picks a size, the end screen has seen
// Return, or Quit is chosen. Returns 0 with the next size in mazeSize, or -1 for Quit.
int PlayLoop(MenuPage& menuRoot, TextureId font, int& mazeSize, const TextureSet& wallTextures);
