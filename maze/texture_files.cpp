#include "maze/texture_files.h"

#include <cstdio>

namespace {

void AppendFamily(const std::string& prefix, char family, std::vector<std::string>& paths) {
    for (int k = 1;; ++k) {
        std::string path = prefix + family + std::to_string(k) + ".bmp";
        std::FILE* probe = std::fopen(path.c_str(), "r");
        if (probe == nullptr) {
            return;
        }
        std::fclose(probe);
        paths.push_back(std::move(path));
    }
}

}  // namespace

TextureFileList FindTextureFiles(const std::string& prefix) {
    TextureFileList list;
    AppendFamily(prefix, 't', list.paths);
    list.tintedCount = static_cast<int>(list.paths.size());
    AppendFamily(prefix, 'u', list.paths);
    return list;
}
