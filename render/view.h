#pragma once

#include <array>

#include "platform/matrices.h"
#include "player/vec3.h"

// The camera as the wall pass sees it, taken from OpenGL's own matrices so that it is the
// view really drawn (the camera bob included).
struct View {
    Matrix4 clip;  // world to clip coordinates, column-major as OpenGL keeps it
    Vec3 eye;      // world position of the eye
};

// From the projection and model-view matrices as glGetDoublev returns them.
View MakeView(const Matrix4& projection, const Matrix4& modelview);

// A hundredth of the view's half width in normalised device units (3 to 4 pixels): the
// margin that keeps every screen-space test on the safe side of OpenGL's single-precision
// transform.
constexpr double kScreenMargin = 0.01;

struct ClipPoint {
    double x, y, z, w;
};

ClipPoint ToClip(const View& view, const Vec3& p);

// Planes of the view volume (left, right, bottom, top, near) that p lies clearly outside of,
// one bit each. A quad all of whose corners share a bit gives no pixel.
int OutsidePlanes(const ClipPoint& p);

// False only when p lies clearly inside the visible part of the view volume, so that no
// quad of a draw with p in it needs clipping.
bool MayNeedClipping(const ClipPoint& p);
