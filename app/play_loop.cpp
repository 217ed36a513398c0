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

constexpr int kSizeAfterWin = 5;

// The end screen stays up, time frozen, until Return.
void ShowEndScreen(TextureId font, std::uint32_t startTicks) {
    DrawHud(font, static_cast<int>(Ticks() - startTicks), 1);
    EndFrame();
    while (ReadKey(key::Return, 1) == 0) {
        PauseBetweenPolls();
        PollInput();
    }
}

}  // namespace

// Each frame:
//   input latches -> Escape toggles the menu -> camera -> maze -> time line -> menu
//   -> (menu closed) player motion and exit test -> present.
// The menu result of the frame decides what follows: closed or open play on, Quit ends at
// once (nothing presented), a size presents the "Building maze" frame and hands it back.
int PlayLoop(MenuPage& menuRoot, TextureId font, int& mazeSize, const TextureSet& wallTextures) {
    const Maze maze(mazeSize, mazeSize, mazeSize, wallTextures);
    Player player(maze, Pose());
    const std::uint32_t startTicks = Ticks();
    HideCursor();
    WallPass wallPass;

    for (;;) {
        PollInput();
        if (ReadKey(key::Escape, 1) != 0) {
            menuRoot.SetVisible(-1);
        }
        player.placeCamera();
        const Pose view = player.pose();
        draw(maze, view, wallPass);
        DrawHud(font, static_cast<int>(Ticks() - startTicks), 0);
        mazeSize = MenuFrame(menuRoot, font);
        if (mazeSize == MenuClosed && player.update()) {
            ShowEndScreen(font, startTicks);
            menuRoot.SetVisible(0);
            mazeSize = kSizeAfterWin;
            return 0;
        }
        if (mazeSize == MenuQuit) {
            return -1;
        }
        EndFrame();
        if (IsMazeSize(mazeSize)) {
            menuRoot.SetVisible(0);
            return 0;
        }
    }
}
