#pragma once

#include <string>

// The page's side of the touch controls (page/index.html.in): what a finger is on, and what
// the controls show. Sizes in CSS px, from the viewport's top left corner.

struct Viewport {
    double width = 0;
    double height = 0;
    // The game's box: 4:3, between the bars the canvas shows.
    double gameLeft = 0;
    double gameTop = 0;
    double gameWidth = 0;
    double gameHeight = 0;
};
Viewport MeasureViewport();

void ShowTouchControls();
// The browser's key name of the button at (x, y) ("y", "Escape"), empty for none.
std::string ButtonAt(double x, double y);
void ShowButtonHeld(const std::string& keyName, bool held);
// The floating stick around its centre, its knob at the finger; hidden when shown is false.
void ShowStick(bool shown, double centreX, double centreY, double fingerX, double fingerY);
void ShowTurnNote(bool shown);
// Full screen for the whole document, so that the controls stay; nothing where the browser
// has no element full screen (an iPhone), and the game plays in the page.
void RequestFullScreen();
