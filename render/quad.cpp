#include "render/quad.h"

#include "platform/draw.h"

void DrawQuad(Vec3 c, Vec3 e1, Vec3 e2, TextureId texture) {
    DrawQuadRegion(c, e1, e2, texture, 0.0f, 0.0f, 1.0f, 1.0f);
}

void DrawQuadRegion(Vec3 c, Vec3 e1, Vec3 e2, TextureId texture, float s0, float t0, float s1,
                    float t1) {
    const Vec3 p1 = c + e1;
    const Vec3 corners[4] = {c, p1, p1 + e2, c + e2};
    if (texture != KeepTexture) {
        BindTexture(texture);
    }
    DrawQuadCorners(corners, {s0, s1, s1, s0}, {t1, t1, t0, t0});
}
