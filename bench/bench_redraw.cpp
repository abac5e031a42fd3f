// The full redraw of a 128 x 128 maze against filling a picture of the same
// size once (QImage::fill), about the least a redraw can cost: every pixel
// written once. Targets: at most 1.1 fills onto a picture of the same size,
// 1.5 onto a new size. memset writes the same bytes a little quicker than the
// fill and shows how near the limit the redraw is. The ratios of the medians
// (over the repetitions, when asked for) end the report; on a busy machine
// run with --benchmark_repetitions=10 --benchmark_enable_random_interleaving
// so that a change of load falls on every benchmark alike.
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

#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace orvane;

namespace {

constexpr int16_t Size = MapSizeMax;
constexpr int Pixels = Size * ChipSize;
constexpr int OldPixels = 512; // the picture of a 32 x 32 map

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
BENCHMARK(BM_FillPicture)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_ZeroPicture)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_FullRedrawNewSize)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_FillFreshPicture)->Unit(benchmark::kMillisecond);

void BM_FullRedrawNewSizeFresh(benchmark::State& state)
{
    redrawOntoNewSize(state, true);
}
BENCHMARK(BM_FullRedrawNewSizeFresh)->Unit(benchmark::kMillisecond);

// The console table, then each redraw as a multiple of its fill: the median
// over the repetitions, or the one run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            Times& t = times_[run.run_name.function_name];
            if (run.run_type == Run::RT_Iteration) {
                t.real.push_back(run.GetAdjustedRealTime() / unit);
                t.cpu.push_back(run.GetAdjustedCPUTime() / unit);
            } else if (run.aggregate_name == "median") {
                t.medianReal = run.GetAdjustedRealTime() / unit;
                t.medianCpu = run.GetAdjustedCPUTime() / unit;
            }
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nmedian time as fills of the same picture   real    CPU\n");
        ratio("BM_FullRedraw", "BM_FillPicture", "redraw / fill");
        ratio("BM_FullRedraw", "BM_ZeroPicture", "redraw / memset");
        ratio("BM_FullRedrawNewSize", "BM_FillPicture", "redraw onto a new size / fill");
        ratio("BM_FullRedrawNewSizeFresh", "BM_FillFreshPicture",
              "same, fresh pages / fill of fresh pages");
        ratio("BM_FullRedrawNewSizeFresh", "BM_FillPicture", "same, fresh pages / fill");
    }

private:
    struct Times {
        std::vector<double> real, cpu;
        double medianReal = 0, medianCpu = 0;
    };

    static double median(std::vector<double> v)
    {
        if (v.empty())
            return 0;
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return v[v.size() / 2];
    }

    std::pair<double, double> timesOf(const std::string& name) const
    {
        const auto it = times_.find(name);
        if (it == times_.end())
            return {0, 0};
        const Times& t = it->second;
        if (t.medianReal > 0)
            return {t.medianReal, t.medianCpu};
        return {median(t.real), median(t.cpu)};
    }

    void ratio(const std::string& redraw, const std::string& fill, const char* label) const
    {
        const auto [redrawReal, redrawCpu] = timesOf(redraw);
        const auto [fillReal, fillCpu] = timesOf(fill);
        if (redrawReal > 0 && fillReal > 0)
            std::printf("%-43s %5.2f  %5.2f\n", label, redrawReal / fillReal, redrawCpu / fillCpu);
    }

    std::map<std::string, Times> times_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
