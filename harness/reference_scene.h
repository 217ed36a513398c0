#pragma once

#include "maze/maze.h"
#include "player/pose.h"

// The maze scene drawn the plain way, straight from its rules and sharing no code with the
// game's renderer: fog, the lamp at the eye, every wall face of the block around the view
// pyramid in cell order with one bind and one immediate-mode quad each, then the exit
// marker with one Random() for its colours. The game's own drawing must give exactly this
// picture; the identity test and the render benchmark compare the two.
void DrawReferenceScene(const Maze& maze, const Pose& pose);

// How many wall faces DrawReferenceScene draws from pose.
int ReferenceFaceCount(const Maze& maze, const Pose& pose);
