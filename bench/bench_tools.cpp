// The editor's construction tools on a 128 x 128 map against one press of the
// fill button, each as the editor runs it (one step of its history, on a bare
// picture), and the undo of each: painting a whole-map selection (Delete),
// pasting a 128 x 128 region, a flood fill over an open map and a quarter
// turn of a 64 x 64 selection. Each should cost at most 1.2 times the fill.

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "MedianReporter.h"
#include "edit/EditHistory.h"
#include "edit/Fill.h"
#include "edit/FloodFill.h"
#include "edit/RectanglePaint.h"
#include "edit/RegionPlace.h"
#include "edit/SelectionTurn.h"
#include "edit/ShownCells.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>

using namespace orvane;

namespace {

constexpr int16_t Size = 128;
const QRect WholeMap(0, 0, Size, Size);
const QRect Selection(32, 32, 64, 64);

// An open map, drawn: one floor, no item but, for the turn, up arrows in
// the selection, so that every turn changes every cell of it.
struct Editor {
    std::unique_ptr<MazeState> maze = std::make_unique<MazeState>();
    ImageCanvas canvas{ChipSheet::standard()};
    EditHistory history{*maze};
    std::array<Region, 2> pastes{blankRegion(Size, Size), blankRegion(Size, Size)};

    explicit Editor(bool arrows)
    {
        for (int y = 0; y <= Size; ++y)
            for (int x = 0; x <= Size; ++x)
                maze->cell(x, y) = {FirstFloor,
                                    arrows && Selection.contains(x, y) ? ArrowUp : NoItem};
        RedrawMap(*maze, canvas, Size, Size);
        history.setCanvas(&canvas);
        for (MazeCell& c : pastes[0].cells)
            c = {LastFloor, NoItem};
        for (MazeCell& c : pastes[1].cells)
            c = {FirstFloor, ArrowDown};
    }
};

// One step of each tool; the n-th changes every cell it reaches.
using Tool = std::function<void(Editor&, int n)>;

int16_t chipFor(int n)
{
    return n % 2 ? FirstFloor : LastFloor;
}

void fill(Editor& e, int n)
{
    e.maze->SelectedChip = chipFor(n);
    e.history.step(EditKind::Fill, mapCells(Size, Size),
                   [&] { return FillMap(*e.maze, e.canvas); });
}

void paintSelection(Editor& e, int n)
{
    e.maze->SelectedChip = chipFor(n);
    e.history.step(EditKind::Paint, shownPart(*e.maze, WholeMap),
                   [&] { return PaintRectangle(*e.maze, e.canvas, WholeMap); });
}

void paste(Editor& e, int n)
{
    const Region& region = e.pastes[size_t(n % 2)];
    e.history.step(EditKind::Paint, placedCells(*e.maze, region, {}),
                   [&] { return PlaceRegion(*e.maze, e.canvas, region, {}, false); });
}

void floodFill(Editor& e, int n)
{
    e.maze->SelectedChip = chipFor(n);
    const FloodArea area = floodArea(*e.maze, {0, 0});
    e.history.step(EditKind::Paint, area.bounds,
                   [&] { return FloodFill(*e.maze, e.canvas, area); });
}

void turn(Editor& e, int)
{
    e.history.step(
        EditKind::Paint, turnOrMirrorCells(*e.maze, Selection, TurnOrMirror::TurnClockwise), [&] {
            return TurnOrMirrorSelection(*e.maze, e.canvas, Selection, TurnOrMirror::TurnClockwise)
                .changed;
        });
}

void BM_Step(benchmark::State& state, Tool tool, bool arrows)
{
    Editor e(arrows);
    int n = 0;
    for (auto _ : state) {
        tool(e, n++);
        state.PauseTiming();
        e.history.clear();
        state.ResumeTiming();
    }
}

void BM_Undo(benchmark::State& state, Tool tool, bool arrows)
{
    Editor e(arrows);
    tool(e, 0);
    for (auto _ : state) {
        e.history.undo();
        state.PauseTiming();
        e.history.redo();
        state.ResumeTiming();
    }
}

constexpr int Repetitions = 7;
#define TOOL_BENCHMARKS(name, tool, arrows)                                                        \
    BENCHMARK_CAPTURE(BM_Step, name, tool, arrows)                                                 \
        ->Repetitions(Repetitions)                                                                 \
        ->ReportAggregatesOnly(true)                                                               \
        ->Unit(benchmark::kMillisecond);                                                           \
    BENCHMARK_CAPTURE(BM_Undo, name, tool, arrows)                                                 \
        ->Repetitions(Repetitions)                                                                 \
        ->ReportAggregatesOnly(true)                                                               \
        ->Unit(benchmark::kMillisecond)

TOOL_BENCHMARKS(fill, fill, false);
TOOL_BENCHMARKS(selection, paintSelection, false);
TOOL_BENCHMARKS(paste, paste, false);
TOOL_BENCHMARKS(flood, floodFill, false);
TOOL_BENCHMARKS(turn, turn, true);

} // namespace

int main(int argc, char** argv)
{
    initializeTakingTurns(argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* tool : {"selection", "paste", "flood", "turn"})
        for (const char* kind : {"BM_Step", "BM_Undo"})
            reporter.show((std::string(kind == std::string("BM_Step") ? "" : "undo of ") + tool +
                           " against the fill")
                              .c_str(),
                          std::string(kind) + "/" + tool, "BM_Step/fill", "1.2");
    reporter.show("undo of the fill against the fill", "BM_Undo/fill", "BM_Step/fill");
    benchmark::Shutdown();
    return 0;
}
