#include "overlay/hud.h"

#include "overlay/hud_layout.h"
#include "overlay/text.h"
#include "platform/draw.h"

void DrawHud(TextureId font, int elapsedMs, int finished) {
    BeginFlat();
    for (const TextLine& line : HudLines(elapsedMs, finished)) {
        DrawTextLine(font, line);
    }
    SetDepthTest(true);
}
