#pragma once

// The GL state every overlay draws in: identity model-view (text lies on z = -50 in eye
// space), no depth test, lighting, colour material or fog, texturing on. Overlays switch
// only the depth test back on when they are done.
void BeginOverlay();
