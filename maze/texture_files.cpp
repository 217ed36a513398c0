#include "maze/texture_files.h"

#include <cstdio>
#include <filesystem>

namespace {

void AppendFamily(const std::string& prefix, char family, std::vector<std::string>& paths) {
    for (int k = 1;; ++k) {
        std::string path = prefix + family + std::to_string(k) + ".bmp";
        // Opening a FIFO would wait for a writer forever; a directory or a device is no image.
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            return;
        }
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
