#include "tools/textures/write_textures.h"

#include <cstdio>
#include <filesystem>

#include "tools/bmp/bmp_writer.h"
#include "tools/textures/catalogue.h"

namespace art {
namespace {

bool WriteFamily(const std::string& dir, const char* prefix, std::span<const TextureRecipe> recipes,
                 RgbImage (*finish)(const TextureRecipe&)) {
    for (std::size_t i = 0; i < recipes.size(); ++i) {
        const std::string path = dir + "/" + prefix + std::to_string(i + 1) + ".bmp";
        if (!WriteBmp(path, finish(recipes[i]))) {
            std::fprintf(stderr, "make-textures: cannot write %s\n", path.c_str());
            return false;
        }
    }
    // The game reads a family up to its first gap: a file left from a longer list would count.
    std::error_code ignored;
    std::filesystem::remove(dir + "/" + prefix + std::to_string(recipes.size() + 1) + ".bmp",
                            ignored);
    return true;
}

}  // namespace

bool WriteTextures(const std::string& dir) {
    return WriteFamily(dir, "t", TintedTextures(), MakeTinted) &&
           WriteFamily(dir, "u", UntintedTextures(), MakeUntinted);
}

}  // namespace art
