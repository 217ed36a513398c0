#include "menu/menu_screen.h"

#include <string>
#include <vector>

#include "menu/menu_layout.h"
#include "overlay/text.h"
#include "platform/draw.h"

int MenuFrame(MenuPage& root, TextureId font) {
    std::vector<std::string> lines;
    unsigned highlighted = 0;
    const int result = root.HandleInput(lines, highlighted);
    if (result == MenuClosed) {
        return result;
    }
    BeginFlat();
    for (const TextLine& line : MenuScreenLines(result, lines, highlighted)) {
        DrawTextLine(font, line);
    }
    // Quit draws nothing but still restores the depth test the overlay state took away.
    SetDepthTest(true);
    return result;
}
