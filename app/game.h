#pragma once

#include <cstdint>
#include <memory>

#include "maze/maze.h"
#include "maze/texture_set.h"
#include "platform/texture.h"
#include "player/player.h"
#include "render/wall_pass.h"

class MenuPage;

// What the game's next frame step does.
enum class Phase {
    Building,    // builds the maze of the chosen size, then plays its first frame
    Playing,     // a frame of play, the menu open or closed
    EndScreen,   // the end screen stays up until Return: polls, draws nothing
    MazeChosen,  // the run is over and the next size chosen; the next step builds it
    Quit,        // Quit was chosen: no more steps
};

// The game as one frame step at a time, which never blocks: the desktop's play loop runs it
// in a loop, the page once per browser frame. It owns the maze and the player of the run
// being played, and the wall pass's storage; the menu, the font and the wall textures are
// the caller's.
class Game {
  public:
    Game(MenuPage& menuRoot, TextureId font, const TextureSet& wallTextures, int mazeSize);

    // One frame, or one poll of the end screen; returns the phase of the next step.
    Phase step();

    Phase phase() const { return phase_; }
    int mazeSize() const { return mazeSize_; }  // the size being played or chosen next

  private:
    void build();
    void play();
    void waitForReturn();
    void endRun(int nextSize);

    MenuPage& menuRoot_;
    TextureId font_;
    const TextureSet& wallTextures_;
    int mazeSize_;
    Phase phase_ = Phase::Building;
    std::unique_ptr<Maze> maze_;
    std::unique_ptr<Player> player_;
    std::uint32_t startTicks_ = 0;
    WallPass wallPass_;
};
