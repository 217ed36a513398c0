// Maze construction: the game's carving against the reference construction, and the heap it
// needs. Every build starts from srand(seed) with seeds 1..SeedCount, so both algorithms
// build the very same mazes. Build times are the thread's CPU time: the machine is shared,
// and wall time would mostly measure the other processes.

#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdlib>
#include <string>

#include "bench/figures.h"
#include "bench/heap_counter.h"
#include "harness/literal_maze.h"
#include "maze/maze.h"
#include "maze/random.h"

namespace {

constexpr int SeedCount = 24;
constexpr int Tinted = 7;
constexpr int Untinted = 5;

TextureSet BenchTextures() {
    TextureSet set;
    for (int i = 1; i <= Tinted + Untinted; ++i) {
        set.textures.push_back(static_cast<TextureId>(i));
    }
    set.tintedCount = Tinted;
    return set;
}

std::string Series(const char* kind, int size) { return kind + std::to_string(size); }

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void MazeBuild(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const TextureSet textures = BenchTextures();
    unsigned build = 0;
    for (auto _ : state) {
        SeedRandom(build++ % SeedCount + 1);
        const double start = ThreadCpuMs();
        const Maze maze(size, size, size, textures);
        const double stop = ThreadCpuMs();
        benchmark::DoNotOptimize(maze.cells().data());
        RecordSample(Series("fast", size), stop - start);
    }
}

void MazeBuildLiteral(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    unsigned build = 0;
    for (auto _ : state) {
        SeedRandom(build++ % SeedCount + 1);
        const double start = ThreadCpuMs();
        const LiteralMaze maze = BuildLiteralMaze(size, size, size, Tinted + Untinted, Tinted);
        const double stop = ThreadCpuMs();
        benchmark::DoNotOptimize(maze.cells.data());
        RecordSample(Series("literal", size), stop - start);
    }
}

// The draws alone: the carving must make exactly these Random() calls, whatever its speed.
void MazeRandFloor(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const TextureSet textures = BenchTextures();
    long draws[SeedCount];
    for (int seed = 0; seed < SeedCount; ++seed) {
        SeedRandom(seed + 1);
        draws[seed] = 3 * Maze(size, size, size, textures).generationAttempts();
    }
    unsigned build = 0;
    for (auto _ : state) {
        const unsigned seed = build++ % SeedCount;
        SeedRandom(seed + 1);
        const double start = ThreadCpuMs();
        int sum = 0;
        for (long i = 0; i < draws[seed]; ++i) {
            sum += Random();
        }
        const double stop = ThreadCpuMs();
        benchmark::DoNotOptimize(sum);
        RecordSample(Series("rand", size), stop - start);
    }
}

// Peak heap growth while a maze is built, the finished maze's own storage included.
void MazeMemory(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    const TextureSet textures = BenchTextures();
    for (auto _ : state) {
        SeedRandom(1);
        const std::size_t before = HeapLiveBytes();
        ResetHeapPeak();
        {
            const Maze maze(size, size, size, textures);
            benchmark::DoNotOptimize(maze.cells().data());
        }
        RecordSample(Series("extra", size), (HeapPeakBytes() - before) / 1024.0);

        SeedRandom(1);
        ResetHeapPeak();
        {
            const LiteralMaze maze = BuildLiteralMaze(size, size, size, Tinted + Untinted, Tinted);
            benchmark::DoNotOptimize(maze.cells.data());
        }
        RecordSample(Series("literal_extra", size), (HeapPeakBytes() - before) / 1024.0);
    }
}

BENCHMARK(MazeBuild)
    ->Name("maze_build")
    ->Arg(5)
    ->Iterations(SeedCount * 400)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MazeBuild)
    ->Name("maze_build")
    ->Arg(11)
    ->Iterations(SeedCount * 40)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MazeBuild)
    ->Name("maze_build")
    ->Arg(21)
    ->Iterations(SeedCount * 8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MazeBuild)
    ->Name("maze_build")
    ->Arg(39)
    ->Iterations(SeedCount * 4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MazeBuildLiteral)
    ->Name("maze_build_literal")
    ->Arg(39)
    ->Iterations(SeedCount)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MazeRandFloor)
    ->Name("maze_rand_floor")
    ->Arg(39)
    ->Iterations(SeedCount * 4)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MazeMemory)->Name("maze_memory")->Arg(39)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    for (int size : {5, 11, 21, 39}) {
        if (HasSamples(Series("fast", size))) {
            RecordFigure("maze_build_" + std::to_string(size) + "_ms",
                         MedianSample(Series("fast", size)), "ms");
        }
    }
    if (HasSamples("fast39") && HasSamples("literal39")) {
        RecordFigure("maze_build_literal_39_ms", MedianSample("literal39"), "ms");
        RecordFigure("maze_speedup_vs_literal_39",
                     MedianSample("literal39") / MedianSample("fast39"), "x");
    }
    if (HasSamples("rand39")) {
        RecordFigure("maze_rand_floor_39_ms", MedianSample("rand39"), "ms");
    }
    if (HasSamples("extra39")) {
        RecordFigure("maze_build_39_extra_kb", MedianSample("extra39"), "KB");
        RecordFigure("maze_build_literal_39_extra_kb", MedianSample("literal_extra39"), "KB");
    }
    PrintFigures();
    return 0;
}
