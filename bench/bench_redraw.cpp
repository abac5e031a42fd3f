// The full redraw of a 128 x 128 maze against filling a picture of the same
// size once: the redraw should cost at most about 1.5 fills.

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <memory>

using namespace orvane;

namespace {

constexpr int16_t Size = MapSizeMax;

// Walls and floors everywhere, an arrow on one floor cell in eight.
std::unique_ptr<MazeState> busyMaze()
{
    auto maze = std::make_unique<MazeState>();
    QRandomGenerator rng(128);
    for (int y = 0; y <= Size; ++y) {
        for (int x = 0; x <= Size; ++x) {
            MazeCell& c = maze->grid.at(x, y);
            c.Chip = int16_t(rng.bounded(FirstWall, LastFloor + 1));
            if (c.Chip >= FirstFloor && rng.bounded(8) == 0)
                c.Item = int16_t(rng.bounded(ArrowUp, ArrowRight + 1));
        }
    }
    maze->header.StartX = 3;
    maze->header.StartY = 4;
    maze->header.GoalX = 120;
    maze->header.GoalY = 121;
    return maze;
}

void BM_FillPicture(benchmark::State& state)
{
    QImage picture(Size * ChipSize, Size * ChipSize, QImage::Format_RGB32);
    for (auto _ : state) {
        picture.fill(qRgb(0, 0, 0));
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetBytesProcessed(state.iterations() * picture.sizeInBytes());
}
BENCHMARK(BM_FillPicture)->Unit(benchmark::kMillisecond);

void BM_FullRedraw(benchmark::State& state)
{
    const ChipSheet& chips = ChipSheet::standard();
    if (chips.isNull()) {
        state.SkipWithError("chip sheet missing");
        return;
    }
    auto maze = busyMaze();
    ImageCanvas canvas(chips);
    RedrawMap(*maze, canvas, Size, Size); // the picture has its size from here on
    for (auto _ : state) {
        RedrawMap(*maze, canvas, Size, Size);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.SetBytesProcessed(state.iterations() * canvas.image().sizeInBytes());
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_FullRedrawNewSize(benchmark::State& state)
{
    const ChipSheet& chips = ChipSheet::standard();
    if (chips.isNull()) {
        state.SkipWithError("chip sheet missing");
        return;
    }
    auto maze = busyMaze();
    for (auto _ : state) {
        ImageCanvas canvas(chips, QImage(512, 512, QImage::Format_RGB32));
        RedrawMap(*maze, canvas, Size, Size);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(BM_FullRedrawNewSize)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
