// The real game on a private X server: how long a player waits for the first picture
// after starting it, and for the first frame of play after choosing a maze size (the
// "Building maze..." frame stays up meanwhile). Times come from the swap log of the
// preloaded play shim (CLOCK_MONOTONIC, the same clock as here).
#include <benchmark/benchmark.h>
#include <time.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/figures.h"
#include "harness/game_process.h"
#include "harness/input_script.h"
#include "harness/temp_dir.h"
#include "harness/xvfb.h"
#include "platform/keys.h"

namespace {

std::unique_ptr<Xvfb> server;
std::unique_ptr<TempDir> files;

long MonotonicUs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000L + now.tv_nsec / 1000;
}

std::string LogPath() { return files->file("swaps.log"); }

// The log once it holds at least count swaps; empty when it does not within a minute.
std::vector<SwapRecord> Swaps(GameProcess& game, long count) {
    std::vector<SwapRecord> log = WaitForSwaps(game, LogPath(), count, 60000);
    return !log.empty() && log.back().swap >= count ? log : std::vector<SwapRecord>{};
}

void Stop(GameProcess& game) {
    game.signal(SIGTERM);
    game.waitExit(10000);
    std::remove(LogPath().c_str());
}

void BM_StartupToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        GameOptions options;
        options.env = {"ORRINDEL_SHIM_LOG=" + LogPath()};
        const long started = MonotonicUs();
        GameProcess game(server->display(), options);
        const std::vector<SwapRecord> log = Swaps(game, 1);
        if (log.empty()) {
            state.SkipWithError("the game presented no frame");
            Stop(game);
            return;
        }
        const double ms = (log.front().microseconds - started) / 1000.0;
        state.SetIterationTime(ms / 1000.0);
        RecordSample("startup_ms", ms);
        Stop(game);
    }
}
BENCHMARK(BM_StartupToFirstFrame)
    ->Name("game_startup")
    ->UseManualTime()
    ->Iterations(7)
    ->Unit(benchmark::kMillisecond);

// From the presented "Building maze..." frame to the first presented frame of the new maze.
void MazeStart(benchmark::State& state, int size) {
    for (auto _ : state) {
        InputScript script;
        const long firstPoll = ChooseSizeThroughMenu(script, script.tap(3, key::Escape), size);
        const std::string scriptPath = LogPath() + ".script";
        script.write(scriptPath);
        GameOptions options;
        options.env = {"ORRINDEL_SHIM_LOG=" + LogPath(), "ORRINDEL_INPUT_SCRIPT=" + scriptPath};
        GameProcess game(server->display(), options);
        const std::vector<SwapRecord> log = Swaps(game, firstPoll + 1);
        std::remove(scriptPath.c_str());
        if (log.size() < static_cast<std::size_t>(firstPoll + 1)) {
            state.SkipWithError("the new maze presented no frame");
            Stop(game);
            return;
        }
        // Swap number firstPoll is the building frame, the next one the new maze's first.
        const double ms = (log[firstPoll].microseconds - log[firstPoll - 1].microseconds) / 1000.0;
        state.SetIterationTime(ms / 1000.0);
        RecordSample("maze_start_" + std::to_string(size) + "_ms", ms);
        Stop(game);
    }
}
BENCHMARK_CAPTURE(MazeStart, size_39, 39)
    ->Name("game_maze_start/39")
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(MazeStart, size_5, 5)
    ->Name("game_maze_start/5")
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    setenv("ORRINDEL_BUILD_DIR", ORRINDEL_BUILD_DIR, 1);
    server = std::make_unique<Xvfb>();
    files = std::make_unique<TempDir>();
    benchmark::RunSpecifiedBenchmarks();
    if (HasSamples("startup_ms")) {
        RecordFigure("startup_ms", MedianSample("startup_ms"), "ms");
    }
    if (HasSamples("maze_start_39_ms")) {
        RecordFigure("maze_start_ms", MedianSample("maze_start_39_ms"), "ms");
    }
    if (HasSamples("maze_start_39_ms") && HasSamples("maze_start_5_ms")) {
        RecordFigure("maze_start_5_ms", MedianSample("maze_start_5_ms"), "ms");
        RecordFigure("maze_start_39_vs_5",
                     MedianSample("maze_start_39_ms") / MedianSample("maze_start_5_ms"), "x");
    }
    PrintFigures();
    server.reset();
    benchmark::Shutdown();
    return 0;
}
