// make-textures OUTDIR: writes the wall textures t1.bmp... and u1.bmp... into OUTDIR.
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

#include "art/textures/catalogue.h"
#include "tools/bmp/bmp_writer.h"

namespace {

bool WriteFamily(const std::string& dir, const char* prefix,
                 std::span<const art::TextureRecipe> recipes,
                 RgbImage (*finish)(const art::TextureRecipe&)) {
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

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-textures OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    if (!WriteFamily(dir, "t", art::TintedTextures(), art::MakeTinted) ||
        !WriteFamily(dir, "u", art::UntintedTextures(), art::MakeUntinted)) {
        return 1;
    }
    return 0;
}
