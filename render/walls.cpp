#include "render/walls.h"

#include "platform/draw.h"
#include "render/quad.h"

View CurrentView() {
    Matrix4 projection;
    Matrix4 modelview;
    GetMatrices(projection, modelview);
    return MakeView(projection, modelview);
}

void DrawWallPass(const Maze& maze, const WallPass& pass) {
    const WallRun* previous = nullptr;
    for (int r : pass.order) {
        const WallRun& run = pass.runs[r];
        if (previous != nullptr && previous->texture == run.texture) {
            BindTexture(0);
        }
        for (int i = run.first; i < run.last; ++i) {
            const WallFace& f = pass.faces[i];
            drawWallFace(maze, f.corner, f.edge1, f.edge2, f.style, f.normal);
        }
        previous = &run;
    }
}

void drawWallFace(const Maze& maze, const Vec3& corner, const Vec3& edge1, const Vec3& edge2,
                  const PlaneStyle& style, const Vec3& normal) {
    SetNormal(normal);
    SetColourBytes(style.red, style.green, style.blue);
    DrawQuad(corner, edge1, edge2, maze.textures()[style.textureIndex]);
}
