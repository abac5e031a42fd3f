// The player window, offscreen: one key step (the handler and the repaint of
// the view) on a 128 x 128 map against the same on a 32 x 32 map (the cost
// of a step should not grow with the map, ratio at most 1.1), the same step
// on 128 x 128 with the ghost of a best run walking beside the ball against
// without it, the two players' steps taking turns (at most 1.1), and the time
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

#include <array>
#include <chrono>
#include <cstdio>
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

// A game on a floor maze of size x size in a player shown.
void startGame(frmPlay& player, int16_t size)
{
    player.show();
    player.RedrawMapPlay(size, size);
    player.comPlay_Click();
    QApplication::processEvents();
}

void BM_KeyStep(benchmark::State& state)
{
    const auto size = int16_t(state.range(0));
    Program program;
    floorMaze(program.maze, size);
    frmPlay player(program.maze, program.services.services());
    startGame(player, size);
    bool right = true;
    for (auto _ : state) {
        player.picMap_KeyDown(right ? RightKey : LeftKey, 0);
        QApplication::processEvents(); // the view repaints where it moved
        right = !right;
    }
    player.comStop_Click();
}
BENCHMARK(BM_KeyStep)
    ->Arg(32)
    ->Arg(128)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Two players on 128 x 128, one with the ghost walking: their steps take
// turns, each timed on its own, so that a busy machine weighs on both
// alike. The counter "ghost" is the time of the ghost's steps over the
// other's.
void BM_KeyStepGhost(benchmark::State& state)
{
    constexpr int16_t Size = 128;
    Program program;
    MazeState second;
    floorMaze(program.maze, Size);
    floorMaze(second, Size);
    PacingGhost ghosts;
    frmPlay plain(program.maze, program.services.services());
    frmPlay ghosted(second, program.services.services());
    ghosted.setGhostRuns(&ghosts);
    startGame(plain, Size);
    startGame(ghosted, Size);
    using Clock = std::chrono::steady_clock;
    Clock::duration with{}, without{};
    bool right = true;
    for (auto _ : state) {
        for (frmPlay* player :
             right ? std::array{&plain, &ghosted} : std::array{&ghosted, &plain}) {
            const Clock::time_point start = Clock::now();
            player->picMap_KeyDown(right ? RightKey : LeftKey, 0);
            QApplication::processEvents();
            (player == &ghosted ? with : without) += Clock::now() - start;
        }
        right = !right;
    }
    state.counters["ghost"] = double(with.count()) / double(without.count());
}
BENCHMARK(BM_KeyStepGhost)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// Keeps the median of the ghost's counter besides the medians of the times.
struct PlayerReporter : MedianReporter {
    void ReportRuns(const std::vector<Run>& reports) override
    {
        MedianReporter::ReportRuns(reports);
        for (const Run& run : reports)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
                run.counters.count("ghost"))
                ghostRatio = run.counters.at("ghost");
    }
    double ghostRatio = -1;
};

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
    PlayerReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.show("key step, 128 x 128 against 32 x 32", "BM_KeyStep/128", "BM_KeyStep/32", "1.1");
    if (reporter.ghostRatio >= 0)
        std::printf("key step with the ghost against without, 128 x 128, taking turns: %.3f "
                    "(target at most 1.1)\n",
                    reporter.ghostRatio);
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
