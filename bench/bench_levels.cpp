// The level list of a folder of 200 mazes, a quarter of them 128 x 128 and
// the rest 32 x 32, offscreen: from opening the folder to the window shown
// with its first rows (names, titles, bests read; thumbnails and grades not
// yet made) against one thumbnail of a 128 x 128 maze made; and, for
// reference, until every thumbnail and grade is made in the background.

#include "Appearance.h"
#include "LevelDetail.h"
#include "LevelListWindow.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "MedianReporter.h"
#include "Records.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace orvane;

namespace {

constexpr int MazeCount = 200;
constexpr int LargeEvery = 4; // every fourth maze is 128 x 128
constexpr int16_t Large = 128;
constexpr int16_t Small = 32;
constexpr int WallPercent = 30;

// Walls around and on a share of the cells at random, floors elsewhere.
MazeData fieldMaze(int16_t size, int number)
{
    QRandomGenerator rng(quint32(number + 1));
    MazeData m;
    m.header.Title = "maze " + QByteArray::number(number);
    m.header.TimeLimit = 300;
    m.header.MapWidth = m.header.MapHeight = size;
    for (int y = 0; y <= size; ++y)
        for (int x = 0; x <= size; ++x) {
            const bool edge = x == 0 || y == 0 || x >= size - 1 || y >= size - 1;
            const bool wall = edge || int(rng.bounded(100)) < WallPercent;
            m.grid.at(x, y) = {wall ? FirstWall : FirstFloor, NoItem};
        }
    m.header.StartX = m.header.StartY = 1;
    m.header.GoalX = m.header.GoalY = int16_t(size - 2);
    m.grid.at(1, 1).Chip = m.grid.at(size - 2, size - 2).Chip = FirstFloor;
    return m;
}

struct Folder {
    QTemporaryDir dir;
    std::map<QByteArray, MazeRecord> kept; // a third of the mazes solved

    Folder()
    {
        const QDateTime date = QDateTime::currentDateTimeUtc();
        for (int i = 0; i < MazeCount; ++i) {
            const MazeData m = fieldMaze(i % LargeEvery == 0 ? Large : Small, i);
            MazeFile::write(dir.filePath(QStringLiteral("%1-maze.mdt").arg(i + 1)), m.header,
                            m.grid);
            if (i % 3 == 0)
                kept[recordKey(m.header, m.grid)] = {{60, date}, {100, date}, date};
        }
    }
    LevelList::RecordLookup lookup() const
    {
        return [this](const QByteArray& key) {
            const auto it = kept.find(key);
            return it == kept.end() ? std::nullopt : std::optional(it->second);
        };
    }
};

Folder& folder()
{
    static Folder f;
    return f;
}

void BM_ListShown(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<LevelListWindow>(folder().lookup());
        window->list().open(folder().dir.path());
        window->show();
        QApplication::processEvents(); // shown and painted
        state.PauseTiming();
        window.reset();
        QThreadPool::globalInstance()->waitForDone(); // the detail being made
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ListShown)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_Thumbnail(benchmark::State& state)
{
    const MazeData m = fieldMaze(Large, 0);
    MazeState maze;
    maze.header = m.header;
    maze.grid = m.grid;
    for (auto _ : state)
        benchmark::DoNotOptimize(mazeThumbnail(maze, LevelList::ThumbnailSize));
}
BENCHMARK(BM_Thumbnail)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_AllDetails(benchmark::State& state)
{
    for (auto _ : state) {
        LevelList list(folder().lookup());
        QSignalSpy done(&list, &LevelList::detailsDone);
        list.open(folder().dir.path());
        while (list.detailsPending())
            done.wait();
    }
}
BENCHMARK(BM_AllDetails)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyAppearance();
    folder();
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.show("200 mazes listed and shown against one 128 x 128 thumbnail", "BM_ListShown",
                  "BM_Thumbnail");
    reporter.show("every thumbnail and grade made against the list shown", "BM_AllDetails",
                  "BM_ListShown");
    benchmark::Shutdown();
    return 0;
}
