// Real frames of the scene under the private X server, read back from the back buffer.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

#include "maze/maze.h"
#include "maze/texture_set_loader.h"
#include "platform/video.h"
#include "render/exit_marker.h"
#include "render/scene.h"
#include "tests/support/display.h"

namespace {

constexpr double kNear = 1.0;
constexpr double kFar = 10000.0;
constexpr double kTanHalfFovY = 0.41421356237309503;  // tan(22.5 degrees)

const TextureSet& Textures() {
    static const TextureSet set = [] {
        OpenGameWindow();
        return LoadTextureSet();
    }();
    return set;
}

std::unique_ptr<Maze> MakeMaze(int size, unsigned seed) {
    const TextureSet& set = Textures();
    std::srand(seed);
    return std::make_unique<Maze>(size, size, size, set);
}

// A pose looking from eye toward target; up is +y unless the view is vertical.
Pose Looking(const Vec3& eye, const Vec3& target) {
    Vec3 back = eye - target;
    normalize(back);
    Vec3 up = std::abs(back.y) > 0.9 ? Vec3{0, 0, 1} : Vec3{0, 1, 0};
    Vec3 right = cross(up, back);
    normalize(right);
    up = cross(back, right);
    return Pose(eye, right, up, back);
}

// The start of a game frame: the previous frame ends (clear to the clear colour, identity
// model-view), then the camera, raised by bob along up, then the scene.
void DrawFrame(const Maze& maze, const Pose& pose, double bob = 0.0) {
    EndFrame();
    const Vec3 eye = pose.position() + bob * pose.up();
    const Vec3 centre = eye - pose.back();
    const Vec3 up = pose.up();
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
    draw(maze, pose);
}

// Frames worth looking at go to shots/ in the build directory.
void SaveShot(const std::string& name, const std::vector<std::uint8_t>& frame) {
    std::filesystem::create_directories("shots");
    SaveRgbPng("shots/" + name, frame);
}

// Two frames, so the background is cleared with the colour the scene set.
std::vector<std::uint8_t> Render(const Maze& maze, const Pose& pose) {
    DrawFrame(maze, pose);
    DrawFrame(maze, pose);
    return ReadFrameRgb();
}

// Eye-space depth of every pixel, top row first; kFar where nothing was drawn.
std::vector<double> ReadEyeDepth() {
    std::vector<float> window(kFrameWidth * kFrameHeight);
    glReadPixels(0, 0, kFrameWidth, kFrameHeight, GL_DEPTH_COMPONENT, GL_FLOAT, window.data());
    std::vector<double> eye(window.size());
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const double d = window[(kFrameHeight - 1 - y) * kFrameWidth + x];
            const double ndc = 2.0 * d - 1.0;
            eye[y * kFrameWidth + x] =
                d >= 1.0 ? kFar : 2.0 * kNear * kFar / (kFar + kNear - ndc * (kFar - kNear));
        }
    }
    return eye;
}

TEST(SceneFrame, BeyondTheFogEndIsExactlyTheBackgroundGrey) {
    const auto maze = MakeMaze(11, 21);
    // Outside the high z border, looking in: the border's inner faces stand 32 units away
    // and the faces behind them run on past the fog end.
    const double s = maze->cellSize();
    const Pose pose = Looking({27.5, 27.5, 10 * s + 32.0}, {27.5, 27.5, 0});
    const auto frame = Render(*maze, pose);
    const auto depth = ReadEyeDepth();

    const Rgb background = PixelAt(frame, 0, 0);
    EXPECT_NEAR(background.r, 128, 1);
    EXPECT_EQ(background.r, background.g);
    EXPECT_EQ(background.r, background.b);
    int far = 0;
    int near = 0;
    int mismatches = 0;
    for (int y = 0; y < kFrameHeight; ++y) {
        for (int x = 0; x < kFrameWidth; ++x) {
            const double z = depth[y * kFrameWidth + x];
            if (z >= kFar) {
                continue;
            }
            if (z < 34.9) {
                ++near;
            } else if (z >= 35.01) {
                ++far;
                const Rgb p = PixelAt(frame, x, y);
                mismatches += p.r != background.r || p.g != background.g || p.b != background.b;
            }
        }
    }
    // The set-up must really show walls on both sides of the fog end.
    EXPECT_GT(far, 10000);
    EXPECT_GT(near, 10000);
    EXPECT_EQ(mismatches, 0);
    SaveShot("test_fog_end.png", frame);
}

struct TextureImage {
    int width = 0, height = 0, magFilter = 0;
    std::vector<std::uint8_t> rgba;
};

TextureImage ReadTexture(TextureId id) {
    TextureImage t;
    glBindTexture(GL_TEXTURE_2D, id);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &t.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &t.height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &t.magFilter);
    t.rgba.resize(static_cast<std::size_t>(t.width) * t.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, t.rgba.data());
    return t;
}

// The magnified texture at (s, t), with GL_REPEAT wrapping, channel c in 0..255.
double Sample(const TextureImage& t, double s, double tc, int c) {
    const auto texel = [&](int i, int j) {
        i = ((i % t.width) + t.width) % t.width;
        j = ((j % t.height) + t.height) % t.height;
        return static_cast<double>(t.rgba[(static_cast<std::size_t>(j) * t.width + i) * 4 + c]);
    };
    const double u = s * t.width - 0.5;
    const double v = tc * t.height - 0.5;
    if (t.magFilter == GL_NEAREST) {
        return texel(static_cast<int>(std::floor(u + 0.5)), static_cast<int>(std::floor(v + 0.5)));
    }
    const int i = static_cast<int>(std::floor(u));
    const int j = static_cast<int>(std::floor(v));
    const double a = u - i;
    const double b = v - j;
    return (1 - a) * (1 - b) * texel(i, j) + a * (1 - b) * texel(i + 1, j) +
           (1 - a) * b * texel(i, j + 1) + a * b * texel(i + 1, j + 1);
}

TEST(SceneFrame, NearFaceShowsItsTextureTimesItsLitPlaneColourUnfogged) {
    // A seed whose plane z = 5 (the face in front of the start) has a tint dark enough in
    // one channel that the light does not saturate it.
    std::unique_ptr<Maze> maze;
    for (unsigned seed = 1; seed < 200; ++seed) {
        maze = MakeMaze(5, seed);
        const PlaneStyle& p = maze->planesZ()[1];
        if (p.textureIndex < maze->tintedTextureCount() &&
            std::min({p.red, p.green, p.blue}) < 60 && std::max({p.red, p.green, p.blue}) > 120) {
            break;
        }
    }
    const PlaneStyle style = maze->planesZ()[1];
    ASSERT_LT(std::min({style.red, style.green, style.blue}), 60);

    // From the start, looking along -z at the face between the border cell (1, 1, 0) and
    // the first room: 2.5 units ahead, filling the screen.
    Pose start;
    start.position() = maze->startPosition();
    const auto frame = Render(*maze, start);
    const auto depth = ReadEyeDepth();
    EXPECT_NEAR(depth[300 * kFrameWidth + 400], 2.5, 1e-3);

    // Lighting is per vertex. Each corner sees the lamp at the eye along (+-1, +-1, 1)/sqrt3
    // and the normal has length 5, so N.L = 5/sqrt3 and the lit colour is
    // colour * (0.2 global + 0.2 light ambient + 0.8 * N.L), clamped per channel.
    const double factor = 0.4 + 0.8 * 5.0 / std::sqrt(3.0);
    const double lit[3] = {std::min(1.0, style.red / 255.0 * factor),
                           std::min(1.0, style.green / 255.0 * factor),
                           std::min(1.0, style.blue / 255.0 * factor)};
    const TextureImage texture = ReadTexture(maze->textures()[style.textureIndex]);

    double worst = 0;
    double total = 0;
    int samples = 0;
    for (int py = 5; py < kFrameHeight; py += 10) {
        for (int px = 5; px < kFrameWidth; px += 10) {
            // The pixel's ray meets the plane z = 5; the face's corner is (5, 5, 5) with s
            // along x and t running from 1 at y = 5 to 0 at y = 10.
            const double ndcX = (px + 0.5) / 400.0 - 1.0;
            const double ndcY = (kFrameHeight - 1 - py + 0.5) / 300.0 - 1.0;
            const double x = 7.5 + 2.5 * ndcX * kTanHalfFovY * (4.0 / 3.0);
            const double y = 7.5 + 2.5 * ndcY * kTanHalfFovY;
            const double s = (x - 5.0) / 5.0;
            const double t = 1.0 - (y - 5.0) / 5.0;
            const Rgb p = PixelAt(frame, px, py);
            const int got[3] = {p.r, p.g, p.b};
            for (int c = 0; c < 3; ++c) {
                const double expected = Sample(texture, s, t, c) * lit[c];
                const double error = std::abs(got[c] - expected);
                worst = std::max(worst, error);
                total += error;
                ++samples;
            }
        }
    }
    EXPECT_LT(worst, 3.0);
    EXPECT_LT(total / samples, 1.0);
    SaveShot("test_near_face.png", frame);
}

TEST(SceneFrame, ExitMarkerShowsFromTheExitCellsNeighbour) {
    const auto maze = MakeMaze(5, 8);
    const double s = maze->cellSize();
    const int e = maze->sizeX() - 2;
    const Vec3 exitCentre{(e + 0.5) * s, (e + 0.5) * s, (e + 0.5) * s};
    // The exit room's open neighbour, and the marker side facing it (k of MarkerFaces).
    int axis = 0;
    for (; axis < 3; ++axis) {
        int cell[3] = {e, e, e};
        --cell[axis];
        if (!maze->isWall(cell[0], cell[1], cell[2])) {
            break;
        }
    }
    ASSERT_LT(axis, 3);
    Vec3 eye = exitCentre;
    eye[axis] -= s;
    const int side = axis == 0 ? 2 : axis == 1 ? 1 : 0;

    const unsigned seed = 77;
    std::srand(seed);
    std::rand();  // the first of the two frames Render draws
    const int first = std::rand() % 6;
    std::srand(seed);
    const auto frame = Render(*maze, Looking(eye, exitCentre));
    const auto depth = ReadEyeDepth();

    // The marker's near side stands a cell minus half the marker's edge away.
    EXPECT_NEAR(depth[300 * kFrameWidth + 400], s - s / 6.0, 1e-3);
    const MarkerColour colour = markerPalette[(first + side) % 6];
    const double want[3] = {colour.red, colour.green, colour.blue};
    int lit = 0;
    for (int py = 270; py < 330; ++py) {
        for (int px = 370; px < 430; ++px) {
            const Rgb p = PixelAt(frame, px, py);
            const int got[3] = {p.r, p.g, p.b};
            for (int c = 0; c < 3; ++c) {
                if (want[c] == 0.0) {
                    EXPECT_LE(got[c], 1) << "pixel " << px << ", " << py;
                } else {
                    lit += got[c] > 8;
                }
            }
        }
    }
    EXPECT_GT(lit, 60 * 60 / 2);
    SaveShot("test_exit_marker.png", frame);
}

TEST(SceneFrame, SwitchesFogAndLightOnAgainAfterAnOverlay) {
    const auto maze = MakeMaze(11, 5);
    Pose pose = Looking({27.5, 27.5, 27.5}, {0, 20, 0});
    std::srand(3);
    const auto plain = Render(*maze, pose);

    // An overlay's state changes, as the HUD and the menu leave them.
    glDisable(GL_FOG);
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    glColor3f(1, 1, 1);
    std::srand(3);
    std::rand();
    DrawFrame(*maze, pose);
    EXPECT_EQ(ReadFrameRgb(), plain);

    EXPECT_TRUE(glIsEnabled(GL_FOG));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    GLint mode = 0;
    glGetIntegerv(GL_FOG_MODE, &mode);
    EXPECT_EQ(mode, GL_LINEAR);
    GLfloat value = 0;
    glGetFloatv(GL_FOG_DENSITY, &value);
    EXPECT_FLOAT_EQ(value, 0.35f);
    glGetFloatv(GL_FOG_START, &value);
    EXPECT_FLOAT_EQ(value, 7.0f);
    glGetFloatv(GL_FOG_END, &value);
    EXPECT_FLOAT_EQ(value, 35.0f);
}

TEST(SceneFrame, LampStandsAtThePoseNotAtTheBobbingEye) {
    const auto maze = MakeMaze(5, 5);
    Pose start;
    start.position() = maze->startPosition();
    DrawFrame(*maze, start, 0.2);
    // Light positions read back in eye space: the lamp is 0.2 below the raised eye.
    GLfloat p[4];
    glGetLightfv(GL_LIGHT0, GL_POSITION, p);
    EXPECT_NEAR(p[0], 0.0f, 1e-5);
    EXPECT_NEAR(p[1], -0.2f, 1e-5);
    EXPECT_NEAR(p[2], 0.0f, 1e-5);
    EXPECT_EQ(p[3], 1.0f);
}

TEST(SceneFrame, EachDrawTakesExactlyOneRandomNumber) {
    const auto maze = MakeMaze(11, 9);
    Pose inside;
    inside.position() = maze->startPosition();
    const Pose outside = Looking({1000, 1000, 1000}, {2000, 1000, 1000});
    for (const Pose& pose : {inside, outside}) {
        std::srand(42);
        std::rand();
        const int expected = std::rand();
        std::srand(42);
        DrawFrame(*maze, pose);
        EXPECT_EQ(std::rand(), expected);
    }
}

}  // namespace
