#include "app/play_loop.h"

#include "app/game.h"
#include "platform/input.h"

int PlayLoop(MenuPage& menuRoot, TextureId font, int& mazeSize, const TextureSet& wallTextures) {
    Game game(menuRoot, font, wallTextures, mazeSize);
    for (;;) {
        switch (game.step()) {
            case Phase::MazeChosen:
                mazeSize = game.mazeSize();
                return 0;
            case Phase::Quit:
                return -1;
            case Phase::EndScreen:
                PauseBetweenPolls();  // an idle processor while the end screen waits
                break;
            case Phase::Building:
            case Phase::Playing:
                break;
        }
    }
}
