#pragma once

#include "platform/texture.h"
#include "player/vec3.h"

// The one quad primitive, shared by the maze and the text overlays: a parallelogram with
// corners c, c + e1, c + e1 + e2, c + e2, drawn through platform/draw.h. The first texture
// coordinate runs along e1; the second runs from t1 at the c edge to t0 at the far edge,
// so t = 0 is the image's top row. A texture other than KeepTexture is bound every call,
// even when it is bound already.

// Shows one whole copy of the texture: DrawQuadRegion with (0, 0, 1, 1).
void DrawQuad(Vec3 c, Vec3 e1, Vec3 e2, TextureId texture);

// Shows the rectangle [s0, s1] x [t0, t1] of the texture.
void DrawQuadRegion(Vec3 c, Vec3 e1, Vec3 e2, TextureId texture, float s0, float t0, float s1,
                    float t1);
