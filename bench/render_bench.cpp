// Whole frames of the scene at 800x600 on a private X server (Mesa's software renderer): a
// scripted flight through a 39 x 39 x 39 maze, each pose drawn by the game and then by the
// reference drawing of harness/ (the same picture, every face of the range in order), each
// frame timed from the camera to the end of the buffer swap, which is where the software
// renderer does most of its work. The floor is a frame of one full-screen textured, lit,
// fogged quad. With --shots DIR, also saves a few of the game's frames as PNG files.

#include <GL/gl.h>
#include <SDL.h>
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "bench/flight.h"
#include "harness/frame.h"
#include "harness/looking.h"
#include "harness/reference_scene.h"
#include "harness/xvfb.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "maze/texture_set_loader.h"
#include "platform/draw.h"
#include "platform/video.h"
#include "player/player.h"
#include "render/quad.h"
#include "render/scene.h"
#include "render/visible_range.h"
#include "render/wall_pass.h"
#include "render/walls.h"

namespace {

struct World {
    std::unique_ptr<Maze> large;  // 39 x 39 x 39
    std::unique_ptr<Maze> first;  // 11 x 11 x 11, the maze behind the title menu
    std::vector<Shot> flight;
    int facesDrawnMax = 0;      // by the game
    int facesReferenceMax = 0;  // by the reference: every face of the range
    WallPass pass;              // the game's, kept from frame to frame as the play loop does
    Shot nowhere;               // far outside the maze: no wall, the marker out of sight
};

World* world = nullptr;
// At namespace scope, so that exit() from a fatal load error still stops the server.
std::unique_ptr<Xvfb> xvfb;
// One entry per timed frame. CPU times are those of all the process's threads, the
// rasteriser's included: on a shared machine they say more than wall time.
std::vector<double> frameMs, frameCpuMs;          // the game's frames
std::vector<double> referenceMs, referenceCpuMs;  // the reference's, of the same poses
std::vector<double> floorMs, floorCpuMs;
std::vector<double> emptyMs;

void DrawFrame(const Shot& shot, bool reference = false) {
    ApplyCamera(shot.pose);
    if (reference) {
        DrawReferenceScene(*shot.maze, shot.pose);
    } else {
        draw(*shot.maze, shot.pose, world->pass);
    }
}

void SaveFrame(const std::string& path) { SaveRgbPng(path, ReadFrameRgb()); }

void SaveShots(const std::string& dir) {
    const Maze& large = *world->large;
    const int m = large.sizeX() / 2 | 1;
    const Vec3 middle = CellCentre(large, m, m, m);
    Pose start;
    start.position() = world->first->startPosition();
    const Shot shots[] = {
        {world->first.get(), start},
        {&large, Looking(middle, {1, 0, -1})},
        {&large, Looking(middle, {1, 1, -1})},
        {&large, Looking(CellCentre(large, large.sizeX() - 4, large.sizeX() - 2, large.sizeX() - 2),
                         {1, 0, 0})},
        {&large, LongestCorridor(large)},
    };
    const char* names[] = {"start_11.png", "middle_39_diagonal.png", "middle_39_up_diagonal.png",
                           "exit_39.png", "corridor_39.png"};
    for (int i = 0; i < 5; ++i) {
        // The first frame after a fresh clear colour: draw twice so the background is grey.
        DrawFrame(shots[i]);
        EndFrame();
        DrawFrame(shots[i]);
        SaveFrame(dir + "/" + names[i]);
        EndFrame();
    }
}

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The game's frame times, p50 and p99, and how they compare with the reference's and the
// floor's: figures prefix + "ms_p50", "speedup_p50" (reference / game), "vs_floor_p50"...
void RecordFrameFigures(const std::string& prefix, const std::vector<double>& game,
                        const std::vector<double>& reference, const std::vector<double>& floor) {
    const double p50 = Percentile(game, 0.50), p99 = Percentile(game, 0.99);
    RecordFigure(prefix + "ms_p50", p50, "ms");
    RecordFigure(prefix + "ms_p99", p99, "ms");
    RecordFigure(prefix + "speedup_p50", Percentile(reference, 0.50) / p50, "x");
    RecordFigure(prefix + "speedup_p99", Percentile(reference, 0.99) / p99, "x");
    if (!floor.empty()) {
        RecordFigure(prefix + "vs_floor_p50", p50 / Percentile(floor, 0.50), "x");
    }
}

// Times draw() followed by the end of the frame, in wall and CPU milliseconds.
template <typename Draw>
void TimeFrame(Draw&& draw, std::vector<double>& ms, std::vector<double>& cpuMs) {
    const double cpuBegin = ProcessCpuMs();
    const auto begin = std::chrono::steady_clock::now();
    draw();
    EndFrame();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin)
                     .count());
    cpuMs.push_back(ProcessCpuMs() - cpuBegin);
}

// Each pose twice, the game's frame first, then the reference's: both see the same load.
void SceneFlight(benchmark::State& state) {
    const std::vector<Shot>& flight = world->flight;
    std::size_t next = 0;
    for (auto _ : state) {
        const Shot& shot = flight[next];
        TimeFrame([&shot] { DrawFrame(shot); }, frameMs, frameCpuMs);
        TimeFrame([&shot] { DrawFrame(shot, true); }, referenceMs, referenceCpuMs);
        next = (next + 1) % flight.size();
    }
}
// Eight laps of the 76 poses of Flight.
BENCHMARK(SceneFlight)->Name("render_flight")->Iterations(8 * 76)->Unit(benchmark::kMillisecond);

const Shot& Nowhere() { return world->nowhere; }

// The cost of one screen of pixels: one textured, lit, fogged quad 20 units ahead that covers
// the screen, drawn with the state the game's walls are drawn with (alpha test off).
void FloorFrame(benchmark::State& state) {
    const TextureId texture = world->large->textures()[0];
    for (auto _ : state) {
        TimeFrame(
            [texture] {
                DrawFrame(Nowhere());
                glLoadIdentity();
                glDisable(GL_ALPHA_TEST);
                SetNormal({0, 0, 5});
                glColor3ub(200, 180, 160);
                DrawQuad({-12, -9, -20}, {24, 0, 0}, {0, 18, 0}, texture);
                glEnable(GL_ALPHA_TEST);
            },
            floorMs, floorCpuMs);
    }
}
BENCHMARK(FloorFrame)->Name("render_floor_frame")->Iterations(200)->Unit(benchmark::kMillisecond);

// Clear and swap with nothing drawn.
void EmptyFrame(benchmark::State& state) {
    std::vector<double> unused;
    for (auto _ : state) {
        TimeFrame([] { DrawFrame(Nowhere()); }, emptyMs, unused);
    }
}
BENCHMARK(EmptyFrame)->Name("render_empty_frame")->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::string shotDir;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--shots") == 0) {
            shotDir = std::filesystem::absolute(argv[i + 1]).string();
            std::filesystem::create_directories(shotDir);
        }
    }
    benchmark::Initialize(&argc, argv);

    // The generated textures/ live in the build directory, wherever the program is run from.
    if (chdir(ORRINDEL_BUILD_DIR) != 0) {
        std::perror(ORRINDEL_BUILD_DIR);
        return 1;
    }
    xvfb = std::make_unique<Xvfb>();
    setenv("DISPLAY", xvfb->display().c_str(), 1);
    InitVideo(kFrameWidth, kFrameHeight, 32, 1);
    const TextureSet textures = loadTextureSet();
    World w;
    SeedRandom(1);
    w.large = std::make_unique<Maze>(39, 39, 39, textures);
    SeedRandom(2);
    w.first = std::make_unique<Maze>(11, 11, 11, textures);
    w.flight = Flight(*w.large, *w.first);
    w.nowhere = {w.large.get(), Looking({-1000, -1000, -1000}, {-1, 0, 0})};
    WallPass& pass = w.pass;
    for (const Shot& shot : w.flight) {
        const Maze& maze = *shot.maze;
        const double s = maze.cellSize();
        glLoadIdentity();
        ApplyCamera(shot.pose);
        PlanWallPass(maze, visibleCellRange(maze, shot.pose, kRangeFieldOfView, kRangeAspect),
                     {s, 0, 0}, {0, s, 0}, {0, 0, s}, CurrentView(), pass);
        w.facesDrawnMax = std::max(w.facesDrawnMax, pass.facesDrawn());
        w.facesReferenceMax = std::max(w.facesReferenceMax, ReferenceFaceCount(maze, shot.pose));
    }
    glLoadIdentity();
    world = &w;

    if (!shotDir.empty()) {
        SaveShots(shotDir);
    }
    benchmark::RunSpecifiedBenchmarks();
    if (!frameMs.empty()) {
        RecordFrameFigures("frame_", frameMs, referenceMs, floorMs);
        RecordFigure("faces_drawn_max", w.facesDrawnMax, "faces");
        RecordFigure("faces_per_frame_max", w.facesReferenceMax, "faces");
        RecordFigure("reference_frame_ms_p50", Percentile(referenceMs, 0.50), "ms");
        RecordFigure("reference_frame_ms_p99", Percentile(referenceMs, 0.99), "ms");
        // The same in CPU time, steadier while other programs run.
        RecordFrameFigures("frame_cpu_", frameCpuMs, referenceCpuMs, floorCpuMs);
    }
    if (!floorMs.empty()) {
        RecordFigure("floor_frame_ms_p50", Percentile(floorMs, 0.50), "ms");
    }
    if (!emptyMs.empty()) {
        RecordFigure("empty_frame_ms_p50", Percentile(emptyMs, 0.50), "ms");
    }
    PrintFigures();
    benchmark::Shutdown();
    world = nullptr;
    SDL_Quit();  // before the server goes away
    return 0;
}
