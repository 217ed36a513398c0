#include "app/game.h"

#include "menu/menu_page.h"
#include "menu/menu_screen.h"
#include "overlay/hud.h"
#include "platform/input.h"
#include "platform/video.h"
#include "render/scene.h"

namespace {
constexpr int kSizeAfterWin = 5;
}

Game::Game(MenuPage& menuRoot, TextureId font, const TextureSet& wallTextures, int mazeSize)
    : menuRoot_(menuRoot), font_(font), wallTextures_(wallTextures), mazeSize_(mazeSize) {}

Phase Game::step() {
    switch (phase_) {
        case Phase::Building:
        case Phase::MazeChosen:
            build();
            play();
            break;
        case Phase::Playing:
            play();
            break;
        case Phase::EndScreen:
            waitForReturn();
            break;
        case Phase::Quit:
            break;
    }
    return phase_;
}

// The frame that announced the maze is on screen while it is built.
void Game::build() {
    player_.reset();
    maze_ = std::make_unique<Maze>(mazeSize_, mazeSize_, mazeSize_, wallTextures_);
    player_ = std::make_unique<Player>(*maze_, Pose());
    startTicks_ = Ticks();
    HideCursor();
    phase_ = Phase::Playing;
}

// Input latches -> Escape toggles the menu -> camera -> maze -> time line -> menu
// -> (menu closed) player motion and exit test -> present.
// The menu result of the frame decides what follows: closed or open play on, Quit ends at
// once (nothing presented), a size presents the "Building maze" frame and ends the run.
void Game::play() {
    PollInput();
    if (ReadKey(key::Escape, 1) != 0) {
        menuRoot_.SetVisible(-1);
    }
    player_->placeCamera();
    const Pose view = player_->pose();
    draw(*maze_, view, wallPass_);
    DrawHud(font_, static_cast<int>(Ticks() - startTicks_), 0);
    const int result = MenuFrame(menuRoot_, font_);
    if (result == MenuClosed && player_->update()) {
        // The end screen: drawn over this frame, time frozen, presented once.
        DrawHud(font_, static_cast<int>(Ticks() - startTicks_), 1);
        EndFrame();
        phase_ = Phase::EndScreen;
        return;
    }
    if (result == MenuQuit) {
        phase_ = Phase::Quit;
        return;
    }
    EndFrame();
    if (IsMazeSize(result)) {
        endRun(result);
    }
}

// The latch is read before the poll: a Return of the winning frame's poll counts.
void Game::waitForReturn() {
    if (ReadKey(key::Return, 1) != 0) {
        endRun(kSizeAfterWin);
        return;
    }
    PollInput();
}

void Game::endRun(int nextSize) {
    menuRoot_.SetVisible(0);
    mazeSize_ = nextSize;
    player_.reset();
    maze_.reset();
    phase_ = Phase::MazeChosen;
}
