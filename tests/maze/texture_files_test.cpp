#include "maze/texture_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class TextureFiles : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("orr_texture_files_" + std::to_string(::getpid()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void touch(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            std::ofstream(dir_ / name) << "BM";
        }
    }
    TextureFileList find() const { return FindTextureFiles(dir_.string() + "/"); }
    std::string path(const char* name) const { return dir_.string() + "/" + name; }

    fs::path dir_;
};

TEST_F(TextureFiles, TintedFirstThenUntinted) {
    touch({"u2.bmp", "t3.bmp", "u1.bmp", "t1.bmp", "t2.bmp", "font.bmp"});
    const TextureFileList list = find();
    EXPECT_EQ(list.paths, (std::vector<std::string>{path("t1.bmp"), path("t2.bmp"), path("t3.bmp"),
                                                    path("u1.bmp"), path("u2.bmp")}));
    EXPECT_EQ(list.tintedCount, 3);
}

TEST_F(TextureFiles, NumberingStopsAtTheFirstGap) {
    touch({"t1.bmp", "t2.bmp", "t4.bmp", "u2.bmp", "u3.bmp"});
    const TextureFileList list = find();
    EXPECT_EQ(list.paths, (std::vector<std::string>{path("t1.bmp"), path("t2.bmp")}));
    EXPECT_EQ(list.tintedCount, 2);
}

TEST_F(TextureFiles, OneFamilyAloneOrNone) {
    touch({"t2.bmp", "u2.bmp", "T1.bmp", "t0.bmp"});
    EXPECT_TRUE(find().paths.empty());
    touch({"u1.bmp"});
    const TextureFileList untinted = find();
    EXPECT_EQ(untinted.paths, (std::vector<std::string>{path("u1.bmp"), path("u2.bmp")}));
    EXPECT_EQ(untinted.tintedCount, 0);
}

TEST_F(TextureFiles, ManyFilesKeepNumericOrder) {
    for (int k = 1; k <= 300; ++k) {
        std::ofstream(dir_ / ("t" + std::to_string(k) + ".bmp")) << "BM";
    }
    const TextureFileList list = find();
    ASSERT_EQ(list.paths.size(), 300u);
    EXPECT_EQ(list.paths[9], path("t10.bmp"));
    EXPECT_EQ(list.paths[299], path("t300.bmp"));
    EXPECT_EQ(list.tintedCount, 300);
}

}  // namespace
