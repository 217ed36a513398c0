#include "harness/reference_scene.h"
#include "maze/random.h"

#include <GL/gl.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Truncate to a 32-bit integer (saturating, NaN as 0), divide by the cell size as a double,
// truncate again.
int CellOf(double coordinate, double s) {
    const double whole = std::isnan(coordinate)
                             ? 0.0
                             : std::clamp(std::trunc(coordinate), -2147483648.0, 2147483647.0);
    return static_cast<int>(static_cast<int>(whole) / s);
}

struct Block {
    int low[3], high[3];
};

// The cells of the axis-aligned box around the view pyramid (45 degrees, aspect 4/3,
// viewDistance deep), clamped to the maze.
Block VisibleBlock(const Maze& maze, const Pose& pose) {
    const double depth = maze.viewDistance();
    const double halfWidth = std::tan(45.0 * 3.141592653 * 0.005555555555555556 * 0.5) * depth;
    const double halfHeight = halfWidth / 1.3333333333333333;
    const Vec3 eye = pose.position();
    const Vec3 m = eye - depth * pose.back();
    const Vec3 w = halfWidth * pose.right();
    const Vec3 h = halfHeight * pose.up();
    Vec3 low = eye, high = eye;
    for (const Vec3& p : {m + w + h, m - w + h, m + w - h, m - w - h}) {
        for (int a = 0; a < 3; ++a) {
            low[a] = p[a] < low[a] ? p[a] : low[a];
            high[a] = p[a] > high[a] ? p[a] : high[a];
        }
    }
    const int size[3] = {maze.sizeX(), maze.sizeY(), maze.sizeZ()};
    Block b{};
    for (int a = 0; a < 3; ++a) {
        b.low[a] = std::max(CellOf(low[a], maze.cellSize()), 0);
        b.high[a] = std::min(CellOf(high[a], maze.cellSize()), size[a] - 1);
    }
    return b;
}

// Calls face(corner, edge1, edge2, style, normal) for every side between a wall cell of the
// block and an open neighbour: x outermost, z innermost; sides -x, +x, -y, +y, -z, +z, each
// with its edges along the other two axes in order.
template <typename Face>
void ForEachFace(const Maze& maze, const Block& b, Face&& face) {
    const double s = maze.cellSize();
    const int size[3] = {maze.sizeX(), maze.sizeY(), maze.sizeZ()};
    const std::vector<PlaneStyle>* planes[3] = {&maze.planesX(), &maze.planesY(), &maze.planesZ()};
    const auto wall = [&](const int* c) {
        return (maze.cells()[maze.cellIndex(c[0], c[1], c[2])] & 0x80) != 0;
    };
    int c[3];
    for (c[0] = b.low[0]; c[0] <= b.high[0]; ++c[0]) {
        for (c[1] = b.low[1]; c[1] <= b.high[1]; ++c[1]) {
            for (c[2] = b.low[2]; c[2] <= b.high[2]; ++c[2]) {
                for (int a = 0; a < 6 && wall(c); ++a) {
                    const int axis = a / 2, side = a % 2;
                    int n[3] = {c[0], c[1], c[2]};
                    n[axis] += side ? 1 : -1;
                    if (n[axis] < 0 || n[axis] >= size[axis] || wall(n)) {
                        continue;
                    }
                    Vec3 corner{c[0] * s, c[1] * s, c[2] * s}, edges[3] = {}, normal{};
                    corner[axis] = (c[axis] + side) * s;
                    normal[axis] = side ? s : -s;
                    for (int k = 0; k < 3; ++k) {
                        edges[k][k] = s;
                    }
                    face(corner, edges[axis == 0 ? 1 : 0], edges[axis == 2 ? 1 : 2],
                         (*planes[axis])[c[axis] + side], normal);
                }
            }
        }
    }
}

void Quad(const Vec3& c, const Vec3& e1, const Vec3& e2) {
    const Vec3 p1 = c + e1, p2 = (c + e1) + e2, p3 = c + e2;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex3d(c.x, c.y, c.z);
    glTexCoord2f(1, 1);
    glVertex3d(p1.x, p1.y, p1.z);
    glTexCoord2f(1, 0);
    glVertex3d(p2.x, p2.y, p2.z);
    glTexCoord2f(0, 0);
    glVertex3d(p3.x, p3.y, p3.z);
    glEnd();
}

}  // namespace

void DrawReferenceScene(const Maze& maze, const Pose& pose) {
    const float grey[4] = {0.5f, 0.5f, 0.5f, 0.5f};
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, grey);
    glFogf(GL_FOG_DENSITY, 0.35f);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, static_cast<float>(maze.viewDistance() * 0.2));
    glFogf(GL_FOG_END, static_cast<float>(maze.viewDistance()));
    glEnable(GL_FOG);
    const Block block = VisibleBlock(maze, pose);

    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    const float ambient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    const float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    const Vec3 eye = pose.position();
    const float lamp[4] = {static_cast<float>(eye.x), static_cast<float>(eye.y),
                           static_cast<float>(eye.z), 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, lamp);

    ForEachFace(
        maze, block,
        [&](const Vec3& c, const Vec3& e1, const Vec3& e2, const PlaneStyle& style, const Vec3& n) {
            glNormal3d(n.x, n.y, n.z);
            glColor3ub(style.red, style.green, style.blue);
            glBindTexture(GL_TEXTURE_2D, maze.textures()[style.textureIndex]);
            Quad(c, e1, e2);
        });

    // Red, green, blue, yellow, cyan, magenta; no normal and no bind of its own.
    const double palette[6][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
    const int first = Random() % 6;
    const double a = maze.cellSize() * 0.3333333333333333;
    const Vec3 c = maze.exitPoint();
    const Vec3 ax{a, 0, 0}, ay{0, a, 0}, az{0, 0, a};
    const Vec3 sides[6][3] = {{c, ax, ay},      {c, ax, az},      {c, ay, az},
                              {c + az, ax, ay}, {c + ay, ax, az}, {c + ax, ay, az}};
    for (int k = 0; k < 6; ++k) {
        const double* rgb = palette[(first + k) % 6];
        glColor3f(static_cast<float>(rgb[0]), static_cast<float>(rgb[1]),
                  static_cast<float>(rgb[2]));
        Quad(sides[k][0], sides[k][1], sides[k][2]);
    }
}

int ReferenceFaceCount(const Maze& maze, const Pose& pose) {
    int count = 0;
    ForEachFace(maze, VisibleBlock(maze, pose),
                [&count](const Vec3&, const Vec3&, const Vec3&, const PlaneStyle&, const Vec3&) {
                    ++count;
                });
    return count;
}
