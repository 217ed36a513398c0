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

std::unique_ptr<Maze> MakeMaze(int size, unsigned seed) {
    static const TextureSet textures = [] {
        OpenGameWindow();
        return loadTextureSet();
    }();
    std::srand(seed);
    return std::make_unique<Maze>(size, size, size, textures);
}

Pose StartOf(const Maze& maze) {
    Pose start;
    start.position() = maze.startPosition();
    return start;
}

// A pose looking from eye toward target; up is +y unless the view is vertical.
Pose Looking(const Vec3& eye, const Vec3& target) {
    Vec3 back = eye - target;
    normalize(back);
    Vec3 right = cross(std::abs(back.y) > 0.9 ? Vec3{0, 0, 1} : Vec3{0, 1, 0}, back);
    normalize(right);
    return Pose(eye, right, cross(back, right), back);
}

// The start of a game frame: the previous frame ends (clear to the clear colour, identity
// model-view), then the camera, then the scene.
void DrawFrame(const Maze& maze, const Pose& pose) {
    EndFrame();
    const Vec3& eye = pose.position();
    const Vec3 centre = eye - pose.back();
    const Vec3 up = pose.up();
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
    draw(maze, pose);
}

// Two frames, so the background is cleared with the colour the scene set. Frames worth
// looking at go to shots/ in the build directory.
std::vector<std::uint8_t> Render(const Maze& maze, const Pose& pose, const char* shot = nullptr) {
    DrawFrame(maze, pose);
    DrawFrame(maze, pose);
    auto frame = ReadFrameRgb();
    if (shot != nullptr) {
        std::filesystem::create_directories("shots");
        SaveRgbPng(std::string("shots/") + shot, frame);
    }
    return frame;
}

// Eye-space depth of every pixel, top row first; kFar where nothing was drawn.
std::vector<double> ReadEyeDepth() {
    std::vector<float> window(kFrameWidth * kFrameHeight);
    glReadPixels(0, 0, kFrameWidth, kFrameHeight, GL_DEPTH_COMPONENT, GL_FLOAT, window.data());
    std::vector<double> eye(window.size(), kFar);
    for (int i = 0; i < kFrameWidth * kFrameHeight; ++i) {
        const double d =
            window[(kFrameHeight - 1 - i / kFrameWidth) * kFrameWidth + i % kFrameWidth];
        if (d < 1.0) {
            eye[i] = 2.0 * kNear * kFar / (kFar + kNear - (2.0 * d - 1.0) * (kFar - kNear));
        }
    }
    return eye;
}

TEST(SceneFrame, BeyondTheFogEndIsExactlyTheBackgroundGrey) {
    const auto maze = MakeMaze(11, 21);
    // Outside the high z border, looking in: the border's inner faces stand 32 units away
    // and the faces behind them run on past the fog end.
    const double z = 10 * maze->cellSize() + 32.0;
    const auto frame = Render(*maze, Looking({27.5, 27.5, z}, {27.5, 27.5, 0}), "test_fog_end.png");
    const auto depth = ReadEyeDepth();

    const Rgb background = PixelAt(frame, 0, 0);
    EXPECT_NEAR(background.r, 128, 1);
    EXPECT_TRUE(background.r == background.g && background.r == background.b);
    int near = 0, far = 0, mismatches = 0;
    for (int i = 0; i < kFrameWidth * kFrameHeight; ++i) {
        near += depth[i] < 34.9;
        if (depth[i] >= 35.01 && depth[i] < kFar) {
            ++far;
            const Rgb p = PixelAt(frame, i % kFrameWidth, i / kFrameWidth);
            mismatches += p.r != background.r || p.g != background.g || p.b != background.b;
        }
    }
    // The set-up must really show walls on both sides of the fog end.
    EXPECT_GT(far, 10000);
    EXPECT_GT(near, 10000);
    EXPECT_EQ(mismatches, 0);
}

// Level 0 of a (linearly magnified, repeating) texture, sampled as GL does at (s, t), RGB.
struct TextureImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;

    explicit TextureImage(TextureId id) {
        glBindTexture(GL_TEXTURE_2D, id);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        rgba.resize(static_cast<std::size_t>(width) * height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    }

    double Sample(double s, double t, int c) const {
        const auto texel = [&](int i, int j) {
            i = ((i % width) + width) % width;
            j = ((j % height) + height) % height;
            return static_cast<double>(rgba[(static_cast<std::size_t>(j) * width + i) * 4 + c]);
        };
        const double u = s * width - 0.5, v = t * height - 0.5;
        const int i = static_cast<int>(std::floor(u)), j = static_cast<int>(std::floor(v));
        const double a = u - i, b = v - j;
        return (1 - a) * (1 - b) * texel(i, j) + a * (1 - b) * texel(i + 1, j) +
               (1 - a) * b * texel(i, j + 1) + a * b * texel(i + 1, j + 1);
    }
};

TEST(SceneFrame, NearFaceShowsItsTextureTimesItsLitPlaneColourUnfogged) {
    // A seed whose plane z = 5 (the face in front of the start) has a tint dark enough in
    // one channel that the light does not saturate it.
    std::unique_ptr<Maze> maze;
    const auto suits = [&] {
        const PlaneStyle& p = maze->planesZ()[1];
        return p.textureIndex < maze->tintedTextureCount() &&
               std::min({p.red, p.green, p.blue}) < 60 && std::max({p.red, p.green, p.blue}) > 120;
    };
    for (unsigned seed = 1; seed < 200 && !(maze && suits()); ++seed) {
        maze = MakeMaze(5, seed);
    }
    ASSERT_TRUE(suits());
    const PlaneStyle style = maze->planesZ()[1];

    // From the start, looking along -z at the face between the border cell (1, 1, 0) and
    // the first room: 2.5 units ahead, filling the screen.
    const auto frame = Render(*maze, StartOf(*maze), "test_near_face.png");
    EXPECT_NEAR(ReadEyeDepth()[300 * kFrameWidth + 400], 2.5, 1e-3);

    // Lighting is per vertex. Each corner sees the lamp at the eye along (+-1, +-1, 1)/sqrt3
    // and the normal has length 5, so N.L = 5/sqrt3 and the lit colour is
    // colour * (0.2 global + 0.2 light ambient + 0.8 * N.L), clamped per channel.
    const double factor = 0.4 + 0.8 * 5.0 / std::sqrt(3.0);
    const double tint[3] = {style.red / 255.0, style.green / 255.0, style.blue / 255.0};
    const TextureImage texture(maze->textures()[style.textureIndex]);
    constexpr double kTanHalfFovY = 0.41421356237309503;  // tan(22.5 degrees)

    double worst = 0, total = 0;
    int samples = 0;
    for (int py = 5; py < kFrameHeight; py += 10) {
        for (int px = 5; px < kFrameWidth; px += 10) {
            // The pixel's ray meets the plane z = 5; the face's corner is (5, 5, 5) with s
            // along x and t running from 1 at y = 5 to 0 at y = 10.
            const double ndcX = (px + 0.5) / 400.0 - 1.0;
            const double ndcY = (kFrameHeight - 1 - py + 0.5) / 300.0 - 1.0;
            const double s = (2.5 + 2.5 * ndcX * kTanHalfFovY * (4.0 / 3.0)) / 5.0;
            const double t = 1.0 - (2.5 + 2.5 * ndcY * kTanHalfFovY) / 5.0;
            const Rgb p = PixelAt(frame, px, py);
            const int got[3] = {p.r, p.g, p.b};
            for (int c = 0; c < 3; ++c) {
                const double error =
                    std::abs(got[c] - texture.Sample(s, t, c) * std::min(1.0, tint[c] * factor));
                worst = std::max(worst, error);
                total += error;
                ++samples;
            }
        }
    }
    EXPECT_LT(worst, 3.0);
    EXPECT_LT(total / samples, 1.0);
}

TEST(SceneFrame, ExitMarkerShowsFromTheExitCellsNeighbour) {
    const auto maze = MakeMaze(5, 8);
    const double s = maze->cellSize();
    const int e = maze->sizeX() - 2;
    const Vec3 exitCentre{(e + 0.5) * s, (e + 0.5) * s, (e + 0.5) * s};
    // The exit room's open low neighbour, and the marker side facing it (k of MarkerFaces).
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
    const int side = 2 - axis;

    std::srand(77);
    std::rand();  // the first of the two frames Render draws
    const int first = std::rand() % 6;
    std::srand(77);
    const auto frame = Render(*maze, Looking(eye, exitCentre), "test_exit_marker.png");

    // The marker's near side stands a cell minus half the marker's edge away.
    EXPECT_NEAR(ReadEyeDepth()[300 * kFrameWidth + 400], s - s / 6.0, 1e-3);
    const MarkerColour colour = markerPalette[(first + side) % 6];
    const double want[3] = {colour.red, colour.green, colour.blue};
    int lit = 0, stray = 0;
    for (int py = 270; py < 330; ++py) {
        for (int px = 370; px < 430; ++px) {
            const Rgb p = PixelAt(frame, px, py);
            const int got[3] = {p.r, p.g, p.b};
            for (int c = 0; c < 3; ++c) {
                if (want[c] == 0.0) {
                    stray += got[c] > 1;
                } else {
                    lit += got[c] > 8;
                }
            }
        }
    }
    EXPECT_EQ(stray, 0);
    EXPECT_GT(lit, 60 * 60 / 2);
}

TEST(SceneFrame, SwitchesFogAndLightOnAgainAfterAnOverlay) {
    const auto maze = MakeMaze(11, 5);
    const Pose pose = Looking({27.5, 27.5, 27.5}, {0, 20, 0});
    std::srand(3);
    const auto plain = Render(*maze, pose);

    // The state changes the HUD and the menu leave behind.
    const GLenum switched[] = {GL_FOG, GL_LIGHTING, GL_LIGHT0, GL_COLOR_MATERIAL};
    for (GLenum cap : switched) {
        glDisable(cap);
    }
    glColor3f(1, 1, 1);
    std::srand(3);
    std::rand();
    DrawFrame(*maze, pose);
    EXPECT_EQ(ReadFrameRgb(), plain);
    for (GLenum cap : switched) {
        EXPECT_TRUE(glIsEnabled(cap)) << cap;
    }
}

TEST(SceneFrame, EachDrawTakesExactlyOneRandomNumber) {
    const auto maze = MakeMaze(11, 9);
    // Inside, and far outside where no wall is visited.
    for (const Pose& pose : {StartOf(*maze), Looking({1000, 1000, 1000}, {2000, 1000, 1000})}) {
        std::srand(42);
        std::rand();
        const int expected = std::rand();
        std::srand(42);
        DrawFrame(*maze, pose);
        EXPECT_EQ(std::rand(), expected);
    }
}

}  // namespace
