// Orrindel in a web page: the desktop's start-up, then one frame step per browser frame.
#include <emscripten/emscripten.h>

#include <ctime>
#include <memory>

#include "app/game.h"
#include "app/painted_textures.h"
#include "maze/random.h"
#include "maze/texture_set.h"
#include "menu/menu_page.h"
#include "overlay/text_layout.h"
#include "platform/texture.h"
#include "platform/video.h"
#include "platform/web/input.h"
#include "platform/web/page.h"

namespace {

// What the steps share; it lives until the page is closed.
struct PageGame {
    std::unique_ptr<MenuPage> menu;
    TextureSet wallTextures;
    std::unique_ptr<Game> game;
};

PageGame page;

void Step() {
    // Escape may never reach the page while the pointer is locked or the game full screen:
    // losing either while playing opens the menu instead.
    SetLossOpensMenu(page.game->phase() == Phase::Playing && page.menu->visible == 0);
    const Phase before = page.game->phase();
    Phase next = page.game->step();
    // Return on the end screen presents nothing: the new maze's first frame follows at once.
    if (before == Phase::EndScreen && next == Phase::MazeChosen) {
        next = page.game->step();
    }
    if (next == Phase::Quit) {
        page.menu->DestroyTree();
        ShowEnded();
        StopGame();
    }
}

}  // namespace

int main() {
    SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    InitVideo(800, 600, 32, 1);
    ListenToPage();
    const TextureId font = LoadKeyedTexture(kFontSheetPath, 0, 0, 0, 1);
    page.wallTextures = PaintWallTextures();
    page.menu = BuildMenu();
    page.menu->SetVisible(1);  // the first maze is shown behind the open menu
    page.game = std::make_unique<Game>(*page.menu, font, page.wallTextures, 11);
    emscripten_set_main_loop(Step, 0, EM_FALSE);
    return 0;
}
