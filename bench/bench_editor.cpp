// One drag-painting step in the editor window, the handler and the repaint of
// the cell painted the step before, on a 128 x 128 map against a 32 x 32 map.
// A step touches one cell whatever the map's size: the ratio should be at
// most 1.1. And the same step on 128 x 128 with the editor's work kept on the
// disk against not kept, the events (the keeping's timer among them) handled
// after every step: the writes happen outside the step, so again at most 1.1.
// And a floating paste of 64 x 64 cells moved one cell over a 128 x 128 map in
// the editor's view, shown, against redrawing one cell row of it (64 cells),
// and all of it, and showing that: a move draws nothing anew but the strips
// it uncovers, and copies what the view shows of the region.
// And the overview of a 128 x 128 map, shown: one cell painted and reported
// as the editor reports it, against the whole overview drawn again.

#include "ChipDraw.h"
#include "EditorOverview.h"
#include "EditorSession.h"
#include "FloatingRegion.h"
#include "MapOverview.h"
#include "MazeState.h"
#include "MedianReporter.h"
#include "PictureBox.h"
#include "edit/Paint.h"
#include "edit/Region.h"
#include "frmEdit.h"
#include "support/FakeServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace orvane;

namespace {

// An editor shown on a map of size button `choice`, its work kept in `folder`
// (or not, empty), dragging over the cells of the view, row by row, with two
// floors in turn so that every step changes the cell's picture.
class Dragging {
public:
    Dragging(size_t choice, const QString& folder)
        : session_(*maze_, folder), window_(*maze_, fakes_.services(), session_)
    {
        window_.Form_Load();
        window_.Option[choice]->click();
        window_.show();
        QElapsedTimer shown;
        shown.start();
        while (!window_.picMap->isVisible() && shown.elapsed() < 2000)
            QApplication::processEvents();
        QApplication::processEvents();
        for (int i = 0; i < 2 * Cells * Cells; ++i) // warm: first paints, caches
            step();
    }

    void step()
    {
        const int cell = step_ % (Cells * Cells);
        maze_->SelectedChip = int16_t(FirstFloor + (step_ / (Cells * Cells)) % 2);
        window_.picMap_MouseMove(MouseButton::Left, 0, (cell % Cells) * ChipSize + 8,
                                 (cell / Cells) * ChipSize + 8);
        ++step_;
    }

private:
    static constexpr int Cells = frmEdit::ViewportCells;
    std::unique_ptr<MazeState> maze_ = std::make_unique<MazeState>();
    test::FakeServices fakes_;
    EditorSession session_;
    frmEdit window_;
    int step_ = 0;
};

void BM_DragStep(benchmark::State& state)
{
    const auto size = MapSizes[size_t(state.range(0))];
    Dragging drag(size_t(state.range(0)), {});
    for (auto _ : state)
        drag.step();
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

// 128 x 128, the work kept (1) or not (0), the events handled after each step.
void BM_DragStepKept(benchmark::State& state)
{
    const QTemporaryDir work;
    Dragging drag(MapSizes.size() - 1, state.range(0) ? work.path() : QString());
    for (auto _ : state) {
        drag.step();
        QApplication::processEvents();
    }
    state.SetLabel(state.range(0) ? "kept" : "not kept");
}
BENCHMARK(BM_DragStepKept)
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->MinTime(3) // the keeping writes at most once a second
    ->Unit(benchmark::kMicrosecond);

constexpr int PasteCells = 64;

// A 128 x 128 map picture in a view of the editor's size, with a region of
// PasteCells x PasteCells floating over it, shown.
class Pasting {
public:
    Pasting()
    {
        view_.resize(frmEdit::ViewportCells * ChipSize, frmEdit::ViewportCells * ChipSize);
        map_->resize(MapSizeMax * ChipSize, MapSizeMax * ChipSize);
        Region region = blankRegion(PasteCells, PasteCells);
        for (size_t i = 0; i < region.cells.size(); ++i)
            region.cells[i] = {int16_t(FirstWall + i % 12), int16_t(i % 5)};
        floating_->setRegion(std::move(region));
        floating_->show();
        view_.show();
        for (int i = 0; i < 50; ++i)
            QApplication::processEvents();
    }

    // The paste one cell right, then back, shown.
    void move()
    {
        floating_->moveToCell(QPoint(step_++ % 2, 0));
        QApplication::processEvents();
    }

    // `rows` rows of the region's cells drawn into the map picture, shown.
    void redraw(int rows)
    {
        {
            ChipPainter painter(map_->image(), ChipSheet::standard());
            for (int y = 0; y < rows; ++y)
                for (int x = 0; x < PasteCells; ++x)
                    painter.draw(x, y, (x + step_) % 6, step_ % 2);
        }
        ++step_;
        map_->markDirty(QRect(0, 0, PasteCells * ChipSize, rows * ChipSize));
        map_->Refresh();
        QApplication::processEvents();
    }

private:
    QWidget view_;
    PictureBox* map_ = new PictureBox(&view_, Qt::black);
    FloatingRegion* floating_ = new FloatingRegion(map_, ChipSheet::standard());
    int step_ = 0;
};

void BM_PasteMove(benchmark::State& state)
{
    Pasting pasting;
    for (auto _ : state)
        pasting.move();
}
BENCHMARK(BM_PasteMove)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// One cell row of the region, or all of it, redrawn and shown.
void BM_PasteRedraw(benchmark::State& state)
{
    Pasting pasting;
    for (auto _ : state)
        pasting.redraw(int(state.range(0)));
}
BENCHMARK(BM_PasteRedraw)
    ->Arg(1)
    ->Arg(PasteCells)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// The overview of a 128 x 128 map of mixed chips, shown.
class Overviewing {
public:
    Overviewing()
    {
        maze_->header.MapWidth = maze_->header.MapHeight = MapSizeMax;
        for (int y = 0; y < MapSizeMax; ++y)
            for (int x = 0; x < MapSizeMax; ++x)
                maze_->cell(x, y).Chip = int16_t(FirstWall + (x * 7 + y) % 12);
        overview_.mapChanged();
        overview_.show();
        for (int i = 0; i < 50; ++i)
            QApplication::processEvents();
    }

    // A cell painted with the other of two floors, reported in the map
    // picture's pixels, shown.
    void paintOne()
    {
        const QPoint cell(step_ * 37 % MapSizeMax, step_ * 11 % MapSizeMax);
        maze_->cell(cell.x(), cell.y()).Chip = int16_t(FirstFloor + step_ % 2);
        ++step_;
        overview_.cellsChanged(cellsOfPixels(QRect(cell * ChipSize, QSize(ChipSize, ChipSize))));
        QApplication::processEvents();
    }

    void redrawAll()
    {
        overview_.mapChanged();
        QApplication::processEvents();
    }

private:
    std::unique_ptr<MazeState> maze_ = std::make_unique<MazeState>();
    MapOverview overview_{*maze_, ChipSheet::standard()};
    int step_ = 0;
};

// One cell (0) or the whole map (1).
void BM_OverviewRedraw(benchmark::State& state)
{
    Overviewing overview;
    for (auto _ : state) {
        if (state.range(0) == 0)
            overview.paintOne();
        else
            overview.redrawAll();
    }
}
BENCHMARK(BM_OverviewRedraw)
    ->Arg(0)
    ->Arg(1)
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
    reporter.show("drag step with the work kept against not kept", "BM_DragStepKept/1",
                  "BM_DragStepKept/0", "1.1");
    reporter.show("a floating paste moved one cell against one cell row of it redrawn",
                  "BM_PasteMove", "BM_PasteRedraw/1", "1");
    reporter.show("a floating paste moved one cell against all of it redrawn", "BM_PasteMove",
                  "BM_PasteRedraw/" + std::to_string(PasteCells));
    reporter.show("the overview on 128 x 128: one painted cell against the whole map",
                  "BM_OverviewRedraw/0", "BM_OverviewRedraw/1");
    benchmark::Shutdown();
    return 0;
}
