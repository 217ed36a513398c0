// Orrindel in a web page: the desktop's start-up, then one frame step per browser frame.
#include <emscripten/emscripten.h>

#include <ctime>
#include <memory>
#include <optional>
#include <utility>

#include "app/game.h"
#include "app/painted_textures.h"
#include "maze/random.h"
#include "maze/texture_set.h"
#include "menu/menu_page.h"
#include "menu/menu_taps.h"
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

// What the devices need to know of the game: whether it is played (losing the pointer opens
// the menu then), the menu's lines for a finger, the end screen.
void TellInputLayer() {
    const Phase phase = page.game->phase();
    ScreenForInput screen;
    screen.playing = phase == Phase::Playing && page.menu->visible == 0;
    screen.menuOpen = page.menu->visible != 0;
    screen.endScreen = phase == Phase::EndScreen;
    if (std::optional<ShownPage> shown = PageOnShow(*page.menu)) {
        screen.menuHighlighted = static_cast<int>(shown->highlighted);
        screen.menuLineAt = [lines = *std::move(shown)](double x, double y) {
            return MenuLineAt(lines, x, y);
        };
    }
    TellScreen(std::move(screen));
}

void Step() {
    TellInputLayer();
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
