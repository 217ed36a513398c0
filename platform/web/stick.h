#pragma once

#include "platform/web/held_keys.h"

// A stick, a finger's or a pad's, as the keyboard's flight keys: forward and back (i, k),
// slide left and right (j, l), in eight sectors of 45 degrees around the direction it points.
// (x, y) is its offset with y downward, as on the screen and on a pad's axes; within
// deadZone of the centre it holds nothing.
KeySet StickKeys(double x, double y, double deadZone);
