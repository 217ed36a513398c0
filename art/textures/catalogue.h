#pragma once
// Every wall texture the game ships, in file order: tinted ones become t1.bmp, t2.bmp, ...,
// untinted ones u1.bmp, u2.bmp, ...

#include <span>

#include "art/image.h"

namespace art {

constexpr int kTextureSize = 256;
// The tinted family is multiplied by a random colour, then lit and fogged: keep it bright.
constexpr double kTintedLuminance = 196.0;

struct TextureRecipe {
    const char* name;
    RgbImage (*make)(int size);
};

// The two families, in file order; the game finds as many files as these list.
std::span<const TextureRecipe> TintedTextures();
std::span<const TextureRecipe> UntintedTextures();

// The finished picture of a recipe, as written to disk.
RgbImage MakeTinted(const TextureRecipe& recipe);
RgbImage MakeUntinted(const TextureRecipe& recipe);

}  // namespace art
