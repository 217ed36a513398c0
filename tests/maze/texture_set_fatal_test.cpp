#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "maze/texture_set_loader.h"

namespace {

namespace fs = std::filesystem;

// Runs the loader from a scratch directory with the given texture files; the failure message
// goes to standard output, so it is moved to standard error for the death test to read.
void LoadFrom(const fs::path& dir) {
    fs::current_path(dir);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    std::vector<TextureId> textures;
    int tinted = 0;
    loadTextureSet(textures, tinted);
}

class TextureSetFailure : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("orr_texture_set_fatal_" + std::to_string(getpid()));
        fs::create_directories(dir_ / "textures");
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(TextureSetFailure, NoTextureAtAllNamesTheFirstTintedFile) {
    std::ofstream(dir_ / "textures" / "t2.bmp") << "BM";
    std::ofstream(dir_ / "textures" / "u2.bmp") << "BM";
    EXPECT_EXIT(LoadFrom(dir_), testing::ExitedWithCode(255),
                "Erreur : Le fichier \\./textures/t1\\.bmp requis n'existe pas !!");
}

TEST_F(TextureSetFailure, UnreadableImageNamesThatFile) {
    std::ofstream(dir_ / "textures" / "u1.bmp") << "not an image";
    EXPECT_EXIT(LoadFrom(dir_), testing::ExitedWithCode(255),
                "Erreur : Le fichier \\./textures/u1\\.bmp requis n'existe pas !!");
}

}  // namespace
