#pragma once

#include "maze/texture_set.h"
#include "platform/texture.h"

// Loads every wall texture of ./textures/ (see texture_files.h) as a mipmapped 32-bit
// texture, the tinted family first. Needs the GL context. The game loads the set once and
// shares it between mazes, since texture names are never deleted. Without any texture (no
// t1.bmp and no u1.bmp) the program ends through FatalMissingFile naming ./textures/t1.bmp,
// as it does for a file that exists but is not a readable image.
TextureSet loadTextureSet();
