#include "overlay/hud.h"

#include <GL/gl.h>

#include "overlay/hud_layout.h"
#include "overlay/overlay_state.h"
#include "overlay/text.h"

void DrawHud(TextureId font, int elapsedMs, int finished) {
    BeginOverlay();
    for (const TextLine& line : HudLines(elapsedMs, finished)) {
        DrawTextLine(font, line);
    }
    glEnable(GL_DEPTH_TEST);
}
