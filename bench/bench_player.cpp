// The player window, offscreen: one key step (the handler and the repaint of
// the view) on a 128 x 128 map against the same on a 32 x 32 map (the cost
// of a step should not grow with the map, ratio at most 1.1), and the time
// from the menu to the player window shown against the same for the editor
// (at most 1.2), with the real platform services and music device.

#include "Appearance.h"
#include "FluidMusicDeviceFactory.h"
#include "MDIMain.h"
#include "MazeState.h"
#include "PictureBox.h"
#include "RealPlatformServices.h"
#include "frmPlay.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include <memory>

using namespace orvane;

namespace {

constexpr int RightKey = 39;
constexpr int LeftKey = 37;

// Floors everywhere inside a wall, the ball in the middle.
void floorMaze(MazeState& maze, int16_t size)
{
    for (int y = 0; y <= size; ++y)
        for (int x = 0; x <= size; ++x) {
            const bool edge = x == 0 || y == 0 || x >= size - 1 || y >= size - 1;
            maze.cell(x, y) = {edge ? FirstWall : FirstFloor, NoItem};
        }
    maze.header.StartX = maze.header.StartY = int16_t(size / 2);
    maze.header.GoalX = maze.header.GoalY = 1;
    maze.header.TimeLimit = NoTimeLimit;
}

struct Program {
    FluidMusicDeviceFactory music;
    RealPlatformServices services{music};
    MazeState maze;
};

void BM_KeyStep(benchmark::State& state)
{
    const auto size = int16_t(state.range(0));
    Program program;
    floorMaze(program.maze, size);
    frmPlay player(program.maze, program.services.services());
    player.show();
    player.RedrawMapPlay(size, size);
    player.comPlay_Click();
    QApplication::processEvents();
    bool right = true;
    for (auto _ : state) {
        player.picMap_KeyDown(right ? RightKey : LeftKey, 0);
        QApplication::processEvents(); // the view repaints where it moved
        right = !right;
    }
    player.comStop_Click();
}
BENCHMARK(BM_KeyStep)->Arg(32)->Arg(128)->Unit(benchmark::kMicrosecond);

// Opens one child from the menu until it shows; closes it outside the timing.
void openChild(benchmark::State& state, bool player)
{
    Program program;
    MDIMain main(program.maze, program.services.services());
    main.showMaximized();
    program.music.preload(); // as the program does once the main window shows
    QApplication::processEvents();
    for (auto _ : state) {
        player ? main.mnuPlay_Click() : main.mnuEdit_Click();
        QApplication::processEvents(); // shown and painted
        state.PauseTiming();
        for (QMdiSubWindow* sub : main.mdiArea->subWindowList())
            sub->close();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

void BM_OpenPlayer(benchmark::State& state)
{
    openChild(state, true);
}
BENCHMARK(BM_OpenPlayer)->Unit(benchmark::kMillisecond);

void BM_OpenEditor(benchmark::State& state)
{
    openChild(state, false);
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppearance();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
