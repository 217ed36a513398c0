// The game's frames in the browser's WebGL 2 at 800x600, through the page's platform layer:
// the desktop render benchmark's flight of poses (bench/flight.h) over the same two mazes,
// and the floor, one full-screen textured, lit, fogged quad. A frame is timed from the camera
// to a pixel read back after the frame's end, which waits for the drawing to be done; the
// browser's frame callback would only say 60 Hz. One pose, one floor frame and one empty
// frame (clear and read-back alone) are timed per browser frame, so all see the same load.
// The figures go to the console (bench/figures.h), then the page's Module.orrBenchDone is
// called (index.html).
#include <emscripten/emscripten.h>
#include <emscripten/heap.h>

#include <GLES3/gl3.h>
#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/painted_textures.h"
#include "bench/figures.h"
#include "bench/flight.h"
#include "maze/maze.h"
#include "maze/random.h"
#include "platform/draw.h"
#include "platform/texture.h"
#include "platform/video.h"
#include "player/player.h"
#include "render/quad.h"
#include "render/scene.h"
#include "render/wall_pass.h"

EM_JS(void, CallBenchDone, (), { Module.orrBenchDone(); });

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
// One lap untimed (first uses of the buffers and the shader's states), then the timed ones.
constexpr std::size_t kLaps = 4;

struct Bench {
    TextureSet textures;
    std::unique_ptr<Maze> large;  // 39 x 39 x 39
    std::unique_ptr<Maze> first;  // 11 x 11 x 11, the maze behind the title menu
    std::vector<Shot> flight;
    WallPass pass;  // kept from frame to frame, as the play loop keeps it
    std::size_t frame = 0;
    std::vector<double> frameMs, floorMs, emptyMs;
};

Bench bench;

// A pixel can only be read once everything drawn before it is done.
void WaitForDrawing() {
    std::uint8_t pixel[4];
    glReadPixels(kWidth / 2, kHeight / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
}

template <typename Draw>
double TimeFrame(Draw&& draw) {
    WaitForDrawing();  // nothing queued before counts
    const double begin = emscripten_get_now();
    draw();
    EndFrame();
    WaitForDrawing();
    return emscripten_get_now() - begin;
}

// As the desktop's floor frame: the scene's grey, fog and lamp at the eye, then one quad of
// the first wall texture 20 units ahead that covers the screen, alpha test off as for walls.
void DrawFloor() {
    const double view = bench.large->viewDistance();
    SetGreyAndFog(0.5f, static_cast<float>(view * 0.2), static_cast<float>(view));
    SetLamp({0, 0, 0});
    SetAlphaTest(false);
    SetNormal({0, 0, 5});
    SetColourBytes(200, 180, 160);
    DrawQuad({-12, -9, -20}, {24, 0, 0}, {0, 18, 0}, bench.large->textures()[0]);
    SetAlphaTest(true);
}

void Report() {
    const double p50 = Percentile(bench.frameMs, 0.50);
    const double floor = Percentile(bench.floorMs, 0.50);
    RecordFigure("web_frame_ms_p50", p50, "ms");
    RecordFigure("web_frame_ms_p99", Percentile(bench.frameMs, 0.99), "ms");
    RecordFigure("web_floor_frame_ms_p50", floor, "ms");
    RecordFigure("web_vs_floor_p50", p50 / floor, "x");
    RecordFigure("web_empty_frame_ms_p50", Percentile(bench.emptyMs, 0.50), "ms");
    PrintFigures();
}

void Step() {
    const std::size_t poses = bench.flight.size();
    if (bench.frame == kLaps * poses) {
        emscripten_cancel_main_loop();
        Report();
        CallBenchDone();
        return;
    }
    const Shot& shot = bench.flight[bench.frame % poses];
    const double frameMs = TimeFrame([&shot] {
        ApplyCamera(shot.pose);
        draw(*shot.maze, shot.pose, bench.pass);
    });
    const double floorMs = TimeFrame(DrawFloor);
    const double emptyMs = TimeFrame([] {});
    if (bench.frame >= poses) {
        bench.frameMs.push_back(frameMs);
        bench.floorMs.push_back(floorMs);
        bench.emptyMs.push_back(emptyMs);
    }
    ++bench.frame;
}

}  // namespace

int main() {
    InitVideo(kWidth, kHeight, 32, 0);
    bench.textures = PaintWallTextures();
    SeedRandom(1);
    bench.large = std::make_unique<Maze>(39, 39, 39, bench.textures);
    // The size of the wasm memory, which only grows: what the browser holds for the page once
    // a 39 maze is built (its building's peak included). Then the bytes malloc hands out.
    constexpr double kMb = 1024.0 * 1024.0;
    RecordFigure("web_heap_mb", emscripten_get_heap_size() / kMb, "MB");
    RecordFigure("web_heap_used_mb", mallinfo().uordblks / kMb, "MB");
    SeedRandom(2);
    bench.first = std::make_unique<Maze>(11, 11, 11, bench.textures);
    bench.flight = Flight(*bench.large, *bench.first);
    emscripten_set_main_loop(Step, 0, EM_FALSE);
    return 0;
}
