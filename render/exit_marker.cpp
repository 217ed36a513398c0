#include "render/exit_marker.h"

#include "platform/draw.h"
#include "platform/texture.h"
#include "render/quad.h"

void DrawExitMarker(Vec3 c, double a, int first) {
    for (const MarkerFace& f : MarkerFaces(c, a, first)) {
        SetColour(static_cast<float>(f.colour.red), static_cast<float>(f.colour.green),
                  static_cast<float>(f.colour.blue));
        DrawQuad(f.corner, f.edge1, f.edge2, KeepTexture);
    }
}
