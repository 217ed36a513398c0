// What a player sees when the game cannot start: a missing or broken image file, no display.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "harness/game_process.h"
#include "tests/app/sdl_library.h"
#include "tests/support/display.h"

namespace fs = std::filesystem;

namespace {

// A scratch folder to run the game from, with a chosen set of files in textures/.
class GameFolder {
  public:
    GameFolder() {
        char pattern[] = "/tmp/orrindel-folder-XXXXXX";
        path_ = mkdtemp(pattern);
        fs::create_directory(path_ / "textures");
    }
    ~GameFolder() { fs::remove_all(path_); }

    void copyFromBuild(const std::string& name) {
        fs::copy_file(fs::path(BuildDir()) / "textures" / name, path_ / "textures" / name);
    }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(path_ / "textures" / name, std::ios::binary) << bytes;
    }
    std::string path() const { return path_.string(); }

  private:
    fs::path path_;
};

class StartupFailure : public OnBothSdl {};

int RunToExit(GameProcess& game) { return game.waitExit(20000); }

std::string MissingMessage(const std::string& file) {
    return "Erreur : Le fichier " + file + " requis n'existe pas !!\n";
}

TEST_P(StartupFailure, MissingFontEndsWithMessageAndStatus255) {
    GameFolder folder;
    GameProcess game(TestDisplay(), GameOptions{folder.path(), {}, GetParam()});
    EXPECT_EQ(RunToExit(game), 255);
    EXPECT_EQ(game.stdoutText(), MissingMessage("./textures/font.bmp"));
}

TEST_P(StartupFailure, FontThatIsNoBitmapEndsTheSameWay) {
    GameFolder folder;
    folder.write("font.bmp", "this is not an image\n");
    GameProcess game(TestDisplay(), GameOptions{folder.path(), {}, GetParam()});
    EXPECT_EQ(RunToExit(game), 255);
    EXPECT_EQ(game.stdoutText(), MissingMessage("./textures/font.bmp"));
}

TEST_P(StartupFailure, NoWallTextureAtAllNamesTheFirstTintedFile) {
    GameFolder folder;
    folder.copyFromBuild("font.bmp");
    GameProcess game(TestDisplay(), GameOptions{folder.path(), {}, GetParam()});
    EXPECT_EQ(RunToExit(game), 255);
    EXPECT_EQ(game.stdoutText(), MissingMessage("./textures/t1.bmp"));
}

TEST_P(StartupFailure, BrokenWallTextureIsNamed) {
    GameFolder folder;
    folder.copyFromBuild("font.bmp");
    folder.copyFromBuild("t1.bmp");
    folder.write("t2.bmp", "BM but not really");
    GameProcess game(TestDisplay(), GameOptions{folder.path(), {}, GetParam()});
    EXPECT_EQ(RunToExit(game), 255);
    EXPECT_EQ(game.stdoutText(), MissingMessage("./textures/t2.bmp"));
}

// Classic SDL only: the compatibility library finds a video driver of its own without X.
TEST(StartupWithoutDisplay, IsReportedWithStatus1) {
    GameProcess game(":4095", GameOptions{});  // a display nobody serves
    // SDL tries its other drivers first (a text-terminal one may draw on stdout); none
    // offers OpenGL, and the game says so instead of running on without a window.
    EXPECT_EQ(RunToExit(game), 1);
    EXPECT_NE(game.stderrText().find("cannot open the video mode"), std::string::npos)
        << game.stderrText();
}

ORR_ON_BOTH_SDL(StartupFailure);

}  // namespace
