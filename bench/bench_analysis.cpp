// `orvane-mdt check`'s search on an open 128 x 128 maze with many arrows,
// against one full redraw of the same maze: the search should cost at most
// three redraws.

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "play/Analysis.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <memory>

using namespace orvane;

namespace {

constexpr int16_t Size = MapSizeMax;

// Floors inside a wall, an arrow on one floor cell in six.
std::unique_ptr<MazeState> openMaze()
{
    auto maze = std::make_unique<MazeState>();
    QRandomGenerator rng(10);
    for (int y = 0; y <= Size; ++y)
        for (int x = 0; x <= Size; ++x) {
            MazeCell& c = maze->cell(x, y);
            const bool edge = x == 0 || y == 0 || x >= Size - 1 || y >= Size - 1;
            c.Chip = edge ? FirstWall : int16_t(rng.bounded(FirstFloor, LastFloor + 1));
            if (!edge && rng.bounded(6) == 0)
                c.Item = int16_t(rng.bounded(ArrowUp, ArrowRight + 1));
        }
    maze->header.StartX = maze->header.StartY = 2;
    maze->header.GoalX = maze->header.GoalY = Size - 3;
    maze->header.MapWidth = maze->header.MapHeight = Size;
    return maze;
}

void BM_Check(benchmark::State& state)
{
    const auto maze = openMaze();
    for (auto _ : state) {
        const MazeAnalysis a = analyseMaze(*maze);
        benchmark::DoNotOptimize(a.route.size());
    }
    const MazeAnalysis a = analyseMaze(*maze);
    state.counters["keys"] = double(a.route.size());
    state.counters["reachable"] = double(a.reachable.size());
}
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);

void BM_FullRedraw(benchmark::State& state)
{
    auto maze = openMaze();
    ImageCanvas canvas(ChipSheet::standard());
    for (auto _ : state)
        RedrawMap(*maze, canvas, Size, Size);
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
