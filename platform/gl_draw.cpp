#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/draw.h"

void SetGreyAndFog(float grey, float fogStart, float fogEnd) {
    const float colour[4] = {grey, grey, grey, grey};
    glClearColor(grey, grey, grey, 1.0f);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, colour);
    glFogf(GL_FOG_DENSITY, 0.35f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, fogStart);
    glFogf(GL_FOG_END, fogEnd);
    glEnable(GL_FOG);
}

void SetLamp(const Vec3& position) {
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    const float where[4] = {static_cast<float>(position.x), static_cast<float>(position.y),
                            static_cast<float>(position.z), 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, where);
}

void SetAlphaTest(bool on) { on ? glEnable(GL_ALPHA_TEST) : glDisable(GL_ALPHA_TEST); }

void SetDepthTest(bool on) { on ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST); }

void BeginFlat() {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_FOG);
    glEnable(GL_TEXTURE_2D);
}

void SetColour(float red, float green, float blue) { glColor3f(red, green, blue); }

void SetColourBytes(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    glColor3ub(red, green, blue);
}

void SetNormal(const Vec3& n) { glNormal3d(n.x, n.y, n.z); }

void BindTexture(TextureId texture) { glBindTexture(GL_TEXTURE_2D, texture); }

void DrawQuadCorners(const Vec3 (&corners)[4], const float (&s)[4], const float (&t)[4]) {
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; ++k) {
        glTexCoord2f(s[k], t[k]);
        glVertex3d(corners[k].x, corners[k].y, corners[k].z);
    }
    glEnd();
}

void LookAt(const Vec3& eye, const Vec3& centre, const Vec3& up) {
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
}

void GetMatrices(Matrix4& projection, Matrix4& modelview) {
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
}
