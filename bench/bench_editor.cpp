// One drag-painting step in the editor window, the handler and the repaint of
// the cell painted the step before, on a 128 x 128 map against a 32 x 32 map.
// A step touches one cell whatever the map's size: the ratio should be at
// most 1.1.

#include "MazeState.h"
#include "MedianReporter.h"
#include "PictureBox.h"
#include "edit/Paint.h"
#include "frmEdit.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace orvane;

namespace {

// Drags over the cells of the view, row by row, with two floors in turn so
// that every step changes the cell's picture.
void BM_DragStep(benchmark::State& state)
{
    const auto size = MapSizes[size_t(state.range(0))];
    auto maze = std::make_unique<MazeState>();
    test::FakeServices fakes;
    frmEdit window(*maze, fakes.services());
    window.Form_Load();
    window.Option[size_t(state.range(0))]->click();
    window.show();
    QElapsedTimer shown;
    shown.start();
    while (!window.picMap->isVisible() && shown.elapsed() < 2000)
        QApplication::processEvents();
    QApplication::processEvents();

    constexpr int cells = frmEdit::ViewportCells;
    int step = 0;
    auto dragStep = [&] {
        const int cell = step % (cells * cells);
        maze->SelectedChip = int16_t(FirstFloor + (step / (cells * cells)) % 2);
        window.picMap_MouseMove(MouseButton::Left, 0, (cell % cells) * ChipSize + 8,
                                (cell / cells) * ChipSize + 8);
        ++step;
    };
    for (int i = 0; i < 2 * cells * cells; ++i) // warm: first paints, caches
        dragStep();
    for (auto _ : state)
        dragStep();
    state.SetLabel(QStringLiteral("%1 x %2").arg(size.width).arg(size.height).toStdString());
}
// The 32 x 32 and the 128 x 128 size buttons; medians of a few runs, since
// the repaint's time varies with what else the machine does.
BENCHMARK(BM_DragStep)
    ->Arg(0)
    ->Arg(MapSizes.size() - 1)
    ->Repetitions(5)
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
    const std::string large = std::to_string(MapSizes.size() - 1);
    std::printf("drag step, 128 x 128 against 32 x 32: %.3f (target at most 1.1)\n",
                reporter.ratio("BM_DragStep/" + large, "BM_DragStep/0"));
    benchmark::Shutdown();
    return 0;
}
