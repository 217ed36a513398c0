#pragma once

#include "platform/web/held_keys.h"

// How the page's devices hand their events to the input layer (input.cpp): queued as they
// come and applied in order at the next poll, with the keyboard's and the mouse's.

void QueueHold(Source source, const KeySet& keys);  // what the source holds from now on
void QueueLook(double dx, double dy);               // mouse motion, fractions carried over
// A tap on the game at (x, y), fractions of its width and height: a menu line or Return.
void QueueTap(double x, double y);
// Everything let go; while playing, the menu opens too (a hidden page, an upright phone).
void QueueLoss(bool opensMenu);
