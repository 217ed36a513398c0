#pragma once

#include <vector>

#include "maze/texture_set.h"
#include "platform/texture.h"

// Loads every wall texture of ./textures/ (see texture_files.h) as a mipmapped 32-bit
// texture, appending the names to `textures` and reporting how many lead the list as the
// tinted family. Needs the GL context. Without any texture (no t1.bmp and no u1.bmp) the
// program ends through FatalMissingFile naming ./textures/t1.bmp, as it does for a file that
// exists but is not a readable image.
void loadTextureSet(std::vector<TextureId>& textures, int& tintedTextureCount);

// The set as the game keeps it: loaded once per program and shared by every maze, since
// texture names are never deleted.
TextureSet LoadTextureSet();
