#include "render/quad.h"

#include <GL/gl.h>

void DrawQuad(Vec3 c, Vec3 e1, Vec3 e2, TextureId texture) {
    DrawQuadRegion(c, e1, e2, texture, 0.0f, 0.0f, 1.0f, 1.0f);
}

void DrawQuadRegion(Vec3 c, Vec3 e1, Vec3 e2, TextureId texture, float s0, float t0, float s1,
                    float t1) {
    const Vec3 p1 = c + e1;
    const Vec3 p2 = p1 + e2;
    const Vec3 p3 = c + e2;
    if (texture != KeepTexture) {
        glBindTexture(GL_TEXTURE_2D, texture);
    }
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t1);
    EmitVertex(c);
    glTexCoord2f(s1, t1);
    EmitVertex(p1);
    glTexCoord2f(s1, t0);
    EmitVertex(p2);
    glTexCoord2f(s0, t0);
    EmitVertex(p3);
    glEnd();
}

void EmitNormal(const Vec3& n) { glNormal3d(n.x, n.y, n.z); }

void EmitVertex(const Vec3& v) { glVertex3d(v.x, v.y, v.z); }
