#include "maze/texture_set_loader.h"

#include "maze/texture_files.h"
#include "platform/texture.h"

TextureSet loadTextureSet() {
    const TextureFileList files = FindTextureFiles("./textures/");
    if (files.paths.empty()) {
        FatalMissingFile("./textures/t1.bmp");  // a maze cannot draw a texture from none
    }
    TextureSet set;
    for (const std::string& path : files.paths) {
        set.textures.push_back(LoadTexture(path.c_str(), 32));
    }
    set.tintedCount = files.tintedCount;
    return set;
}
