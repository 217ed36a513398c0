#include "maze/texture_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

TEST(FindTextureFiles, TintedThenUntintedEachUpToItsFirstGap) {
    const struct {
        std::vector<std::string> files, found;
        int tinted;
    } cases[] = {
        {{"u2", "t3", "u1", "t1", "t2", "font"}, {"t1", "t2", "t3", "u1", "u2"}, 3},
        {{"t1", "t2", "t4", "u2", "u3"}, {"t1", "t2"}, 2},
        {{"t2", "u2", "T1", "t0"}, {}, 0},
        {{"t2", "u1", "u2"}, {"u1", "u2"}, 0},
        // Numeric, not alphabetical, order.
        {{"t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10", "u1"},
         {"t1", "t2", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10", "u1"},
         10},
    };
    const fs::path dir =
        fs::temp_directory_path() / ("orr_texture_files_" + std::to_string(getpid()));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.files.front());
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::vector<std::string> expected;
        for (const std::string& name : c.files) {
            std::ofstream(dir / (name + ".bmp")) << "BM";
        }
        for (const std::string& name : c.found) {
            expected.push_back(dir.string() + "/" + name + ".bmp");
        }
        const TextureFileList list = FindTextureFiles(dir.string() + "/");
        EXPECT_EQ(list.paths, expected);
        EXPECT_EQ(list.tintedCount, c.tinted);
    }
    fs::remove_all(dir);
}

}  // namespace
