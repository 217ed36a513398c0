#pragma once

#include <optional>
#include <string>
#include <vector>

class MenuPage;

// The menu as a pointer sees it, for devices that point at a line (a finger): which page the
// next frame shows, and which of its lines lies under a point. Plain code over the screen's
// own layout (MenuScreenLines), so that the page copies no coordinate.

// The lines of a page as the menu screen gets them: the title first, then the items.
struct ShownPage {
    std::vector<std::string> lines;
    unsigned highlighted = 0;
};

// The page the next frame shows, read without touching the key latches. Nothing while the
// menu is closed or an action (a size, Quit) is chosen.
std::optional<ShownPage> PageOnShow(const MenuPage& root);

// The item (1 for the first) whose row band holds the point (x, y), given as fractions of the
// game's width and height from its top left corner. The bands of neighbouring items meet
// halfway between their rows, and the last reaches as far below it. 0 for a point off the
// game, on the page title or the game's title and credit, or below the last item.
int MenuLineAt(const ShownPage& page, double x, double y);
