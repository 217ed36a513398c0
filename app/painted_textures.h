#pragma once

#include "maze/texture_set.h"

// The page's wall textures: painted at start-up by the art tools' recipes rather than
// downloaded (the page fetches only the font sheet), and handed to WebGL as they are, with no
// file between. In the order of the desktop's files, the tinted family first. Needs the video
// of InitVideo.
TextureSet PaintWallTextures();
