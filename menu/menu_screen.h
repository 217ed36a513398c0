#pragma once

#include "menu/menu_page.h"
#include "platform/texture.h"

// The menu's part of a frame: runs the menu model on root, draws the result over the scene
// already in the frame and returns it (see the menu results in menu_page.h).
// A closed menu touches no GL state.
int MenuFrame(MenuPage& root, TextureId font);
