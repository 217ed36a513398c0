#pragma once

#include <vector>

#include "platform/texture.h"

// The wall textures a maze draws with: the tinted family first, then the untinted one.
// Index i of textures is tinted exactly when i < tintedCount. Loaded once per program
// (texture_set_loader.h) and shared by every maze; tests build one by hand.
struct TextureSet {
    std::vector<TextureId> textures;
    int tintedCount = 0;
};
