#pragma once

#include "platform/matrices.h"

// The page's side of platform/draw.h: the quads of a frame are queued, with the state they
// were drawn in, and drawn together when the frame ends.

// Needs the WebGL 2 context current. False when the shader program cannot be made.
bool InitDrawing(const Matrix4& projection);

// Draws the frame's queue onto a buffer cleared as the desktop clears it (with the clear
// colour of the previous frame's end), then empties the queue and loads the identity
// model-view. The browser shows the frame once the step returns.
void PresentFrame();
