#pragma once

#include "menu/menu_page.h"
#include "platform/texture.h"

// The menu's part of a frame: runs the menu model on root, draws the result over the scene
// already in the frame and returns it (-1 closed, 0 page shown, 1 Quit, 5..39 a maze size).
// A closed menu touches no GL state.
int MenuFrame(MenuPage& root, TextureId font);
