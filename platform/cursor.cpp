#include <SDL.h>

#include "platform/video.h"

void HideCursor() { SDL_ShowCursor(SDL_DISABLE); }
