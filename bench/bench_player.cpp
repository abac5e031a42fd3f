// The player window, offscreen: one key step (the handler and the repaint of
// the view) on a 128 x 128 map against the same on a 32 x 32 map (the cost
// of a step should not grow with the map, ratio at most 1.1), the same step
// on 128 x 128 with the ghost of a best run walking beside the ball against
// without it (at most 1.1), and the time
// from the menu to the player window shown against the same for the editor
// (at most 1.2), with the real platform services and music device. Also the
// editor's test play of a 128 x 128 maze: F5 to the game running against
// opening the player from the menu, and the way back to the editor shown
// against opening the editor from the menu (each at most 1.5).

#include "Appearance.h"
#include "EditorSession.h"
#include "FluidMusicDeviceFactory.h"
#include "GhostRuns.h"
#include "MDIMain.h"
#include "MazeState.h"
#include "MedianReporter.h"
#include "PictureBox.h"
#include "RealPlatformServices.h"
#include "frmEdit.h"
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
    RealPlatformServices services{music, UiLanguage::Japanese};
    MazeState maze;
};

// A best run that walks right and left beside the start, 20 keys a second
// for the longest run kept.
struct PacingGhost : GhostRuns {
    GameRun bestRun(const MazeState&) override
    {
        GameRun run;
        for (int i = 0; i < MaxRunKeys; ++i) {
            run.keys += i % 2 ? 'L' : 'R';
            run.ticks.push_back(i / RunKeysPerSecond);
        }
        return run;
    }
    bool shown() override { return true; }
    void setShown(bool) override {}
};

void BM_KeyStep(benchmark::State& state)
{
    const auto size = int16_t(state.range(0));
    const bool ghost = state.range(1) != 0;
    Program program;
    floorMaze(program.maze, size);
    PacingGhost ghosts;
    frmPlay player(program.maze, program.services.services());
    if (ghost)
        player.setGhostRuns(&ghosts);
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
BENCHMARK(BM_KeyStep)
    ->Args({32, 0})
    ->Args({128, 0})
    ->Args({128, 1})
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Opens one child from the menu until it shows; closes it outside the timing.
void openChild(benchmark::State& state, bool player)
{
    Program program;
    EditorSession session(program.maze);
    MDIMain main(program.maze, program.services.services(), session);
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
BENCHMARK(BM_OpenPlayer)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_OpenEditor(benchmark::State& state)
{
    openChild(state, false);
}
BENCHMARK(BM_OpenEditor)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

// The main window with the editor on a floor maze of size x size.
struct EditorOpen {
    Program program;
    EditorSession session{program.maze};
    MDIMain main{program.maze, program.services.services(), session};

    explicit EditorOpen(int16_t size)
    {
        main.showMaximized();
        program.music.preload();
        main.mnuEdit_Click();
        floorMaze(program.maze, size);
        main.editor()->RedrawMapEdit(size, size);
        QApplication::processEvents();
    }
    void settle()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
};

void BM_TestPlayStart(benchmark::State& state)
{
    EditorOpen e(int16_t(state.range(0)));
    for (auto _ : state) {
        e.main.editor()->requestTestPlay();
        QApplication::processEvents(); // the game runs, shown and painted
        state.PauseTiming();
        e.main.player()->comStop_Click();
        e.settle();
        state.ResumeTiming();
    }
}
// On the menu's own 32 x 32 map, and on the largest.
BENCHMARK(BM_TestPlayStart)
    ->Arg(32)
    ->Arg(128)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

void BM_TestPlayReturn(benchmark::State& state)
{
    EditorOpen e(int16_t(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        e.main.editor()->requestTestPlay();
        e.settle();
        state.ResumeTiming();
        e.main.player()->comStop_Click();
        QApplication::processEvents(); // the editor is back, shown and painted
    }
}
BENCHMARK(BM_TestPlayReturn)
    ->Arg(32)
    ->Arg(128)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppearance();
    initializeTakingTurns(argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.show("key step, 128 x 128 against 32 x 32", "BM_KeyStep/128/0", "BM_KeyStep/32/0",
                  "1.1");
    reporter.show("key step with the ghost against without, 128 x 128", "BM_KeyStep/128/1",
                  "BM_KeyStep/128/0", "1.1");
    reporter.show("player from the menu against the editor", "BM_OpenPlayer", "BM_OpenEditor",
                  "1.2");
    reporter.show("F5 to the game against the player from the menu", "BM_TestPlayStart/32",
                  "BM_OpenPlayer", "1.5");
    reporter.show("back to the editor against the editor from the menu", "BM_TestPlayReturn/32",
                  "BM_OpenEditor", "1.5");
    reporter.show("F5 on a 128 x 128 maze, the same", "BM_TestPlayStart/128", "BM_OpenPlayer",
                  nullptr);
    reporter.show("back on a 128 x 128 maze, the same", "BM_TestPlayReturn/128", "BM_OpenEditor",
                  nullptr);
    benchmark::Shutdown();
    return 0;
}
