#pragma once

// The touch controls: a floating stick in the left third of the viewport, a look drag on the
// rest, the page's buttons, and taps on the game. The controls appear once the page sees a
// touch; from then on an upright phone is asked to turn.

void ListenToTouches();

// Forgets the fingers on the screen: what they held was let go (a lost focus, a hidden page).
void ForgetFingers();
