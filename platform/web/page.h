#pragma once

// What the game tells the page around it (page/page.js).

// Replaces the canvas by a message saying that the game cannot go on, with the game's own
// line where there is one (nullptr otherwise). kind names the failure for the page's words:
// "webgl" (no WebGL 2), "file" (a data file that is missing or damaged) or "context" (the
// browser took the WebGL context back).
void ShowFailure(const char* kind, const char* line);

// Quit was chosen: the page says that the game has ended and offers to start it again.
void ShowEnded();

// The first frame is drawn: the page starts what would otherwise slow the start.
void FirstFrameDrawn();

// Stops the frame steps and the page's listeners, and ends the program without tearing the
// page down.
[[noreturn]] void StopGame();
