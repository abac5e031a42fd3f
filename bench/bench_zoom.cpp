// The editor's view on a 128 x 128 map at 4 pixels a cell against the same at
// 16 pixels, each shown: a zoom step (to that zoom from 8 pixels and back), a
// scroll step (one cell right, then back) and one painted cell (a drag step
// over the same 20 x 20 cells of the view, as in bench_editor). The map picture stays at 16
// pixels and keeps its reduced copies up to date as it is drawn, so each
// ratio should be at most 1.2.

#include "EditorSession.h"
#include "MazeState.h"
#include "MedianReporter.h"
#include "PictureBox.h"
#include "edit/Paint.h"
#include "frmEdit.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace orvane;

namespace {

constexpr int Zoomed = 4;
constexpr int Middle = 8; // the zoom a zoom step starts from

// An editor shown on a 128 x 128 map at `cellPixels` a cell, its view in the
// map's middle.
class View {
public:
    explicit View(int cellPixels) : session_(*maze_), window_(*maze_, fakes_.services(), session_)
    {
        window_.Form_Load();
        window_.Option[MapSizes.size() - 1]->click();
        window_.show();
        QElapsedTimer shown;
        shown.start();
        while (!window_.picMap->isVisible() && shown.elapsed() < 2000)
            QApplication::processEvents();
        window_.setZoom(cellPixels, {MapSizeMax / 2, MapSizeMax / 2});
        for (int i = 0; i < 2 * frmEdit::ViewportCells * frmEdit::ViewportCells; ++i) // warm
            paint();
        QApplication::processEvents();
    }

    void zoomStep(int cellPixels)
    {
        window_.setZoom(cellPixels, {MapSizeMax / 2, MapSizeMax / 2});
        QApplication::processEvents();
        window_.setZoom(Middle, {MapSizeMax / 2, MapSizeMax / 2});
        QApplication::processEvents();
    }

    void scrollStep()
    {
        window_.scrollViewBy({step_++ % 2 ? -1 : 1, 0});
        QApplication::processEvents();
    }

    // One of the view's first 20 x 20 cells painted by a drag step, shown.
    void paint()
    {
        constexpr int n = frmEdit::ViewportCells;
        const int cell = step_ % (n * n);
        maze_->SelectedChip = int16_t(FirstFloor + (step_ / (n * n)) % 2);
        const QPoint scroll(window_.scrYoko->value(), window_.scrTate->value());
        const QPoint at = (scroll + QPoint(cell % n, cell / n)) * ChipSize + QPoint(8, 8);
        window_.picMap_MouseMove(MouseButton::Left, 0, at.x(), at.y());
        ++step_;
        QApplication::processEvents();
    }

private:
    std::unique_ptr<MazeState> maze_ = std::make_unique<MazeState>();
    test::FakeServices fakes_;
    EditorSession session_;
    frmEdit window_;
    int step_ = 0;
};

void BM_ZoomStep(benchmark::State& state)
{
    View view(Middle);
    for (auto _ : state)
        view.zoomStep(int(state.range(0)));
}
BENCHMARK(BM_ZoomStep)
    ->Arg(Zoomed)
    ->Arg(ChipSize)
    ->Repetitions(9)
    ->MinTime(0.5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_ScrollStep(benchmark::State& state)
{
    View view(int(state.range(0)));
    for (auto _ : state)
        view.scrollStep();
}
BENCHMARK(BM_ScrollStep)
    ->Arg(Zoomed)
    ->Arg(ChipSize)
    ->Repetitions(9)
    ->MinTime(0.5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_PaintCell(benchmark::State& state)
{
    View view(int(state.range(0)));
    for (auto _ : state)
        view.paint();
}
BENCHMARK(BM_PaintCell)
    ->Arg(Zoomed)
    ->Arg(ChipSize)
    ->Repetitions(9)
    ->MinTime(0.5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    initializeTakingTurns(argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const std::string zoomed = "/" + std::to_string(Zoomed);
    const std::string full = "/" + std::to_string(ChipSize);
    reporter.showBoth("zoom step, 4 against 16 pixels a cell", "BM_ZoomStep" + zoomed,
                      "BM_ZoomStep" + full, "1.2");
    reporter.showBoth("scroll step, 4 against 16 pixels a cell", "BM_ScrollStep" + zoomed,
                      "BM_ScrollStep" + full, "1.2");
    reporter.showBoth("painted cell, 4 against 16 pixels a cell", "BM_PaintCell" + zoomed,
                      "BM_PaintCell" + full, "1.2");
    benchmark::Shutdown();
    return 0;
}
