#include "overlay/overlay_state.h"

#include <GL/gl.h>

void BeginOverlay() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_FOG);
    glEnable(GL_TEXTURE_2D);
}
