#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "maze/texture_set_loader.h"

namespace {

namespace fs = std::filesystem;

// Runs the loader from `dir`; the failure message goes to standard output, so it is moved to
// standard error for the death test to read.
void LoadFrom(const fs::path& dir) {
    fs::current_path(dir);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    loadTextureSet();
}

TEST(TextureSetFailure, StopsNamingTheMissingOrUnreadableFile) {
    const fs::path dir =
        fs::temp_directory_path() / ("orr_texture_set_fatal_" + std::to_string(getpid()));
    fs::create_directories(dir / "textures");
    // No texture at all: a maze could not draw an index from none.
    std::ofstream(dir / "textures" / "t2.bmp") << "BM";
    std::ofstream(dir / "textures" / "u2.bmp") << "BM";
    EXPECT_EXIT(LoadFrom(dir), testing::ExitedWithCode(255),
                "Erreur : Le fichier \\./textures/t1\\.bmp requis n'existe pas !!");
    std::ofstream(dir / "textures" / "u1.bmp") << "not an image";
    EXPECT_EXIT(LoadFrom(dir), testing::ExitedWithCode(255),
                "Erreur : Le fichier \\./textures/u1\\.bmp requis n'existe pas !!");
    fs::remove_all(dir);
}

}  // namespace
