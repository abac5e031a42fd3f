// The full redraw of a 128 x 128 maze against filling a picture of the same
// size once (QImage::fill), about the least a redraw can cost: every pixel
// written once. The editor's map also keeps copies of its picture at a half
// and a quarter of its size, brought up to date as it is drawn and shown:
// the redraw with them against without says what they cost, shown at 16
// pixels a cell (the copies only learn what is out of date) and at 4 (the
// view's 80 x 80 cells are brought up to date); bringing all of them up to
// date, which nothing asks for, says what copies kept eagerly would cost. Targets: at most 1.1
// fills onto a picture of the same size, 1.5 onto a new size. memset writes the same bytes a little
// quicker than the fill and shows how near the limit the redraw is. The ratios of the medians end
// the report; the repetitions take turns, so that a busy moment of the machine weighs on every
// benchmark alike.
//
// A new picture usually takes memory the program freed before (glibc keeps
// freed blocks of that size once one was freed), as warm as the filled
// picture. The first picture of a size takes fresh pages, which the kernel
// zeroes on first touch whatever the drawing does: the "Fresh" pair gives
// the memory back before each iteration, fill and redraw alike.

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "MedianReporter.h"
#include "ReducedPictures.h"

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstring>
#include <memory>

using namespace orvane;

namespace {

constexpr int16_t Size = MapSizeMax;
constexpr int Pixels = Size * ChipSize;
constexpr int OldPixels = 512; // the picture of a 32 x 32 map
constexpr int Repetitions = 7;

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

const ChipSheet* sheetOrSkip(benchmark::State& state)
{
    const ChipSheet& chips = ChipSheet::standard();
    if (chips.isNull()) {
        state.SkipWithError("chip sheet missing");
        return nullptr;
    }
    return &chips;
}

void setBytes(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * qint64(Pixels) * Pixels * qint64(sizeof(QRgb)));
}

// Gives the freed pages back to the kernel, untimed.
void returnFreeMemory(benchmark::State& state)
{
    state.PauseTiming();
    malloc_trim(0);
    state.ResumeTiming();
}

void BM_FillPicture(benchmark::State& state)
{
    QImage picture(Pixels, Pixels, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0)); // warm
    for (auto _ : state) {
        picture.fill(qRgb(0, 0, 0));
        benchmark::DoNotOptimize(picture.constBits());
    }
    setBytes(state);
}
BENCHMARK(BM_FillPicture)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The same bytes written by the C library's memset (string instructions):
// the quickest write of the picture at hand, quicker than QImage::fill.
void BM_ZeroPicture(benchmark::State& state)
{
    QImage picture(Pixels, Pixels, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    for (auto _ : state) {
        std::memset(picture.bits(), 0, size_t(picture.sizeInBytes()));
        benchmark::DoNotOptimize(picture.constBits());
    }
    setBytes(state);
}
BENCHMARK(BM_ZeroPicture)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void BM_FullRedraw(benchmark::State& state)
{
    const ChipSheet* chips = sheetOrSkip(state);
    if (!chips)
        return;
    auto maze = busyMaze();
    ImageCanvas canvas(*chips);
    RedrawMap(*maze, canvas, Size, Size); // the picture has its size from here on
    for (auto _ : state) {
        RedrawMap(*maze, canvas, Size, Size);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    setBytes(state);
}
BENCHMARK(BM_FullRedraw)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A picture that keeps its reduced copies, as the editor's map does.
class ReducingCanvas : public ImageCanvas {
public:
    using ImageCanvas::ImageCanvas;
    void markDirty(const QRect& pixels) override { reduced.drawn(pixels); }
    void refreshMap() override { reduced.settle(image()); }

    ReducedPictures reduced;
};

// Pixels of the picture the view shows at 4 pixels a cell: 80 x 80 cells.
constexpr int ShownAtQuarter = 80 * ChipSize;

// The redraw, then its reduced copies brought up to date: none (0), the
// view's at 4 pixels a cell (1), all (2).
void BM_FullRedrawReduced(benchmark::State& state)
{
    const ChipSheet* chips = sheetOrSkip(state);
    if (!chips)
        return;
    auto maze = busyMaze();
    ReducingCanvas canvas(*chips);
    RedrawMap(*maze, canvas, Size, Size);
    const int shown = state.range(0) == 0 ? 0 : state.range(0) == 1 ? ShownAtQuarter : Pixels;
    for (auto _ : state) {
        RedrawMap(*maze, canvas, Size, Size);
        canvas.reduced.bringUpToDate(canvas.image(), QRect(0, 0, shown, shown));
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    setBytes(state);
}
BENCHMARK(BM_FullRedrawReduced)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// From the picture of a 32 x 32 map: a new picture each time.
void redrawOntoNewSize(benchmark::State& state, bool fresh)
{
    const ChipSheet* chips = sheetOrSkip(state);
    if (!chips)
        return;
    auto maze = busyMaze();
    for (auto _ : state) {
        if (fresh)
            returnFreeMemory(state);
        ImageCanvas canvas(*chips, QImage(OldPixels, OldPixels, QImage::Format_RGB32));
        RedrawMap(*maze, canvas, Size, Size);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    setBytes(state);
}

void BM_FullRedrawNewSize(benchmark::State& state)
{
    redrawOntoNewSize(state, false);
}
BENCHMARK(BM_FullRedrawNewSize)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void BM_FillFreshPicture(benchmark::State& state)
{
    for (auto _ : state) {
        returnFreeMemory(state);
        QImage picture(Pixels, Pixels, QImage::Format_RGB32);
        picture.fill(qRgb(0, 0, 0));
        benchmark::DoNotOptimize(picture.constBits());
    }
    setBytes(state);
}
BENCHMARK(BM_FillFreshPicture)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void BM_FullRedrawNewSizeFresh(benchmark::State& state)
{
    redrawOntoNewSize(state, true);
}
BENCHMARK(BM_FullRedrawNewSizeFresh)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    initializeTakingTurns(argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.show("redraw / fill", "BM_FullRedraw", "BM_FillPicture", "1.1");
    reporter.show("redraw / memset", "BM_FullRedraw", "BM_ZeroPicture");
    reporter.show("redraw with the reduced copies, shown at 16 pixels a cell / redraw",
                  "BM_FullRedrawReduced/0", "BM_FullRedraw");
    reporter.show("the same shown at 4 pixels a cell / redraw", "BM_FullRedrawReduced/1",
                  "BM_FullRedraw");
    reporter.show("the same with all the copies brought up to date / redraw",
                  "BM_FullRedrawReduced/2", "BM_FullRedraw");
    reporter.show("redraw onto a new size / fill", "BM_FullRedrawNewSize", "BM_FillPicture", "1.5");
    reporter.show("the same on fresh pages / fill of fresh pages", "BM_FullRedrawNewSizeFresh",
                  "BM_FillFreshPicture");
    reporter.show("the same on fresh pages / fill", "BM_FullRedrawNewSizeFresh", "BM_FillPicture");
    benchmark::Shutdown();
    return 0;
}
