#include "app/play_loop.h"

#include <cstdint>

#include "maze/maze.h"
#include "menu/menu_page.h"
#include "menu/menu_screen.h"
#include "overlay/hud.h"
#include "platform/input.h"
#include "platform/video.h"
#include "player/player.h"
#include "render/scene.h"

namespace {

// Menu results besides a maze size.
constexpr int kMenuClosed = -1;
constexpr int kQuit = 1;
constexpr int kSmallestSize = 5;
constexpr int kSizeAfterWin = 5;

// The end screen stays up, time frozen, until Return.
void ShowEndScreen(TextureId font, std::uint32_t startTicks) {
    DrawHud(font, static_cast<int>(Ticks() - startTicks), 1);
    EndFrame();
    while (ReadKey(key::Return, 1) == 0) {
        PollInput();
    }
}

}  // namespace

// Each frame:
//   input latches -> Escape toggles the menu -> camera -> maze -> time line -> menu
//   -> (menu closed) player motion and exit test -> present.
// The menu result of the frame decides what follows: -1/0 play on, 1 quit at once
// (nothing presented), 5..39 present the "Building maze" frame and hand the size back.
int PlayLoop(MenuPage& menuRoot, TextureId font, int& mazeSize, const TextureSet& wallTextures) {
    const Maze maze(mazeSize, mazeSize, mazeSize, wallTextures);
    Player player(maze, Pose());
    const std::uint32_t startTicks = Ticks();
    HideCursor();

    for (;;) {
        PollInput();
        if (ReadKey(key::Escape, 1) != 0) {
            menuRoot.SetVisible(-1);
        }
        player.placeCamera();
        const Pose view = player.pose();
        draw(maze, view);
        DrawHud(font, static_cast<int>(Ticks() - startTicks), 0);
        mazeSize = MenuFrame(menuRoot, font);
        if (mazeSize == kMenuClosed && player.update()) {
            ShowEndScreen(font, startTicks);
            menuRoot.SetVisible(0);
            mazeSize = kSizeAfterWin;
            return 0;
        }
        if (mazeSize == kQuit) {
            return -1;
        }
        EndFrame();
        if (mazeSize >= kSmallestSize) {
            menuRoot.SetVisible(0);
            return 0;
        }
    }
}
