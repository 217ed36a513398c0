#pragma once

#include <string>
#include <vector>

// The wall texture files present under a directory prefix such as "./textures/":
// t1.bmp, t2.bmp, ... up to the first missing number, then u1.bmp, u2.bmp, ... likewise.
// A file counts as present when it is a regular file (symbolic links followed) that can be
// opened for reading.
struct TextureFileList {
    std::vector<std::string> paths;  // the tinted family first
    int tintedCount = 0;
};

TextureFileList FindTextureFiles(const std::string& prefix);
