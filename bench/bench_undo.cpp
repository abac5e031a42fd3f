// Undoing a 128 x 128 fill against the fill itself, both as the editor runs
// them (through its history, on a bare picture): the undo should cost at
// most 1.1 times the fill.

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "MedianReporter.h"
#include "edit/EditHistory.h"
#include "edit/Fill.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace orvane;

namespace {

constexpr int16_t Size = 128;

struct Editor {
    std::unique_ptr<MazeState> maze = std::make_unique<MazeState>();
    ImageCanvas canvas{ChipSheet::standard()};
    EditHistory history{*maze};

    Editor()
    {
        for (int y = 0; y <= Size; y += 3) // an item on every third row
            for (int x = 0; x <= Size; ++x)
                maze->cell(x, y) = {FirstFloor, int16_t(ArrowUp + x % 4)};
        RedrawMap(*maze, canvas, Size, Size);
        history.setCanvas(&canvas);
    }
    void fill(int16_t chip)
    {
        maze->SelectedChip = chip;
        history.step(EditKind::Fill, mapCells(Size, Size),
                     [this] { return FillMap(*maze, canvas); });
    }
};

void BM_Fill(benchmark::State& state)
{
    Editor e;
    int16_t chip = FirstFloor;
    for (auto _ : state) {
        chip = chip == FirstFloor ? LastFloor : FirstFloor; // every fill changes every cell
        e.fill(chip);
        state.PauseTiming();
        e.history.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Fill)->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_UndoFill(benchmark::State& state)
{
    Editor e;
    e.fill(LastFloor);
    for (auto _ : state) {
        e.history.undo();
        state.PauseTiming();
        e.history.redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoFill)->Repetitions(7)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("undo of a 128 x 128 fill against the fill: %.3f (target at most 1.1)\n",
                reporter.ratio("BM_UndoFill", "BM_Fill"));
    benchmark::Shutdown();
    return 0;
}
