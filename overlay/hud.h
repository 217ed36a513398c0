#pragma once

#include "platform/texture.h"

// The playing overlay: the elapsed time along the bottom of the screen, and with finished
// non-zero the end screen's "Congratulations !!!!" and "Hit Enter" over it.
// Leaves the model-view matrix at the identity, depth test on, lighting, colour material and
// fog off, texturing on and the colour yellow; the scene switches its own state back on.
void DrawHud(TextureId font, int elapsedMs, int finished);
