#pragma once

#include <cstdint>

#include "platform/matrices.h"
#include "platform/texture.h"
#include "player/vec3.h"

// Every call the game draws with: the one seam between what is drawn and how. The desktop
// makes these calls with OpenGL 1.1's fixed state (gl_draw.cpp), which also holds the
// matrices; the page with a WebGL 2 program of its own (web/webgl_draw.cpp), which keeps
// them itself. Both draw the same picture. State set by a call holds for the quads after it.

// The scene's background and fog, one grey: the fog is linear in eye distance, from start
// (the colour as lit) to end (all grey), and switched on.
void SetGreyAndFog(float grey, float fogStart, float fogEnd);

// Lights what follows with one lamp at a world position (given with the view already on the
// model-view matrix), by the vertex's colour: 0.2 ambient of the scene, 0.2 ambient and 0.8
// diffuse of the lamp, no fall-off, normals used as given (not made unit length).
void SetLamp(const Vec3& position);

// The alpha test discards texels whose alpha is 1 (the colour key's mark); on from start-up.
void SetAlphaTest(bool on);
void SetDepthTest(bool on);

// What the overlays draw in: the identity model-view (eye coordinates; text lies on z = -50),
// no depth test, no light and no fog. Texturing is always on. Overlays switch only the depth
// test back on when they are done.
void BeginFlat();

void SetColour(float red, float green, float blue);
void SetColourBytes(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
void SetNormal(const Vec3& n);

// 0 binds no texture.
void BindTexture(TextureId texture);

// One quad: corner k at texture coordinates (s[k], t[k]), in the order given.
void DrawQuadCorners(const Vec3 (&corners)[4], const float (&s)[4], const float (&t)[4]);

// Multiplies the model-view matrix by the view from eye towards centre, up upward.
void LookAt(const Vec3& eye, const Vec3& centre, const Vec3& up);

// The matrices the next quads are drawn with.
void GetMatrices(Matrix4& projection, Matrix4& modelview);
