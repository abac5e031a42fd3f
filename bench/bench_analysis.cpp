// `orvane-mdt check`'s search on an open 128 x 128 maze with many arrows,
// against one full redraw of the same maze: the search should cost at most
// three redraws. The difficulty (the newcomer's walks) against that search,
// on the same maze and on a perfect maze of long corridors: at most 20. The
// editor's F7 on the same mazes against that search, at most 20 too: the
// search, the walks traced on the way, their picture made and drawn over the
// whole map at 16 pixels a cell (where the editor draws only the part in
// view).

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "MedianReporter.h"
#include "generate/Carving.h"
#include "generate/Random.h"
#include "play/Analysis.h"
#include "play/Difficulty.h"
#include "play/TraceDrawing.h"
#include "play/WalkTrace.h"

#include <QImage>
#include <QPainter>

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <memory>

using namespace orvane;

namespace {

constexpr int16_t Size = MapSizeMax;
constexpr int Repetitions = 7;

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

// A perfect maze carved as a recursive backtracker, corner to corner.
std::unique_ptr<MazeState> perfectMaze()
{
    auto maze = std::make_unique<MazeState>();
    const generate::Lattice lattice = generate::Lattice::of({Size, Size});
    generate::Random random(3);
    const generate::Tree tree = generate::carveTree(lattice, random, 8);
    generate::layMaze(*maze, {Size, Size}, lattice, tree, random);
    maze->header.StartX = maze->header.StartY = 1;
    maze->header.GoalX = int16_t(2 * lattice.columns - 1);
    maze->header.GoalY = int16_t(2 * lattice.rows - 1);
    return maze;
}

std::unique_ptr<MazeState> mazeOf(const benchmark::State& state)
{
    return state.range(0) == 0 ? openMaze() : perfectMaze();
}

void BM_Check(benchmark::State& state)
{
    const auto maze = mazeOf(state);
    for (auto _ : state) {
        const MazeAnalysis a = analyseMaze(*maze);
        benchmark::DoNotOptimize(a.route.size());
    }
    const MazeAnalysis a = analyseMaze(*maze);
    state.counters["keys"] = double(a.route.size());
    state.counters["reachable"] = double(a.reachable.size());
}

void BM_Difficulty(benchmark::State& state)
{
    const auto maze = mazeOf(state);
    const MazeAnalysis a = analyseMaze(*maze);
    for (auto _ : state) {
        const Difficulty d = measureDifficulty(*maze, a);
        benchmark::DoNotOptimize(d.effort);
    }
    const Difficulty d = measureDifficulty(*maze, a);
    state.counters["newcomer keys"] = d.newcomerKeys;
    state.counters["grade"] = d.grade.value_or(0);
}

void BM_WalksOnMap(benchmark::State& state)
{
    const auto maze = mazeOf(state);
    QImage overlay(Size * ChipSize, Size * ChipSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const MazeAnalysis a = analyseMaze(*maze);
        WalkTrace trace;
        const Difficulty d = measureDifficulty(*maze, a, &trace);
        const TracePicture picture(trace, a.routeCells, NewcomerShade);
        overlay.fill(Qt::transparent);
        QPainter p(&overlay);
        picture.draw(p, QRect(0, 0, Size, Size), ChipSize);
        benchmark::DoNotOptimize(d.effort);
    }
}

void BM_FullRedraw(benchmark::State& state)
{
    auto maze = openMaze();
    ImageCanvas canvas(ChipSheet::standard());
    for (auto _ : state)
        RedrawMap(*maze, canvas, Size, Size);
}

// Argument 0: the open maze; 1: the perfect maze.
void mazes(benchmark::internal::Benchmark* b)
{
    b->Arg(0)
        ->Arg(1)
        ->Repetitions(Repetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Check)->Apply(mazes);
BENCHMARK(BM_Difficulty)->Apply(mazes);
BENCHMARK(BM_WalksOnMap)->Apply(mazes);
BENCHMARK(BM_FullRedraw)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    initializeTakingTurns(argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.show("check of the open maze / its full redraw", "BM_Check/0", "BM_FullRedraw", "3");
    reporter.show("difficulty of the open maze / its check", "BM_Difficulty/0", "BM_Check/0", "20");
    reporter.show("difficulty of the perfect maze / its check", "BM_Difficulty/1", "BM_Check/1",
                  "20");
    reporter.show("F7 on the open maze / its check", "BM_WalksOnMap/0", "BM_Check/0", "20");
    reporter.show("F7 on the perfect maze / its check", "BM_WalksOnMap/1", "BM_Check/1", "20");
    benchmark::Shutdown();
    return 0;
}
