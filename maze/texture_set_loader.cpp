#include "maze/texture_set_loader.h"

#include "maze/texture_files.h"
#include "platform/image.h"

void loadTextureSet(std::vector<TextureId>& textures, int& tintedTextureCount) {
    const TextureFileList files = FindTextureFiles("./textures/");
    if (files.paths.empty()) {
        FatalMissingFile("./textures/t1.bmp");  // a maze cannot draw a texture from none
    }
    std::size_t i = 0;
    for (; i < static_cast<std::size_t>(files.tintedCount); ++i) {
        textures.push_back(LoadTexture(files.paths[i].c_str(), 32));
    }
    tintedTextureCount = static_cast<int>(textures.size());
    for (; i < files.paths.size(); ++i) {
        textures.push_back(LoadTexture(files.paths[i].c_str(), 32));
    }
}

TextureSet LoadTextureSet() {
    TextureSet set;
    loadTextureSet(set.textures, set.tintedCount);
    return set;
}
