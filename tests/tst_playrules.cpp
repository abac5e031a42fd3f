// The game's rules without a window: key steps with their slides and goal
// test, the start of a game, and the clock.

#include "ChipDraw.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "play/Analysis.h"
#include "play/GameStart.h"
#include "play/KeyStep.h"
#include "play/PlayBoard.h"
#include "play/PlayClock.h"
#include "support/TextMazes.h"

#include <QRandomGenerator>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

// What a cell should show: '.' as the full redraw drew it, 'o' its chip and
// the ball, 'O' its chip, its arrow and the ball, '_' its chip and arrow
// without a marker.
QImage cellLook(const MazeState& maze, QPoint cell, QChar look)
{
    const ChipSheet& chips = ChipSheet::standard();
    QImage picture(ChipSize, ChipSize, QImage::Format_RGB32);
    picture.fill(Qt::black);
    const MazeCell& c = maze.cell(cell.x(), cell.y());
    auto draw = [&](SheetCell s) { DrawChip(picture, chips, 0, 0, s.column, s.row); };
    if (const auto terrain = sheetCellOfChip(c.Chip))
        draw(*terrain);
    if (c.Item != NoItem && look != 'o')
        draw(sheetCellOfItem(c.Item));
    if (look == '.') {
        if (cell == QPoint(maze.header.StartX, maze.header.StartY))
            draw(StartMarker);
        if (cell == QPoint(maze.header.GoalX, maze.header.GoalY))
            draw(GoalMarker);
    }
    if (look == 'o' || look == 'O')
        draw(BallFigure);
    return picture;
}

} // namespace

class TestPlayRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!ChipSheet::standard().isNull()); }
    void keys_data();
    void keys();
    void newGameRestoresTrail();
    void clock_data();
    void clock();
    void soak();
};

void TestPlayRules::keys_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("goal");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QPoint>("shift"); // of the map picture, over all keys
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QStringList>("look");
    const QPoint o(1, 1);
    const QPoint far(20, 20); // a goal nowhere near

    QTest::newRow("wall refuses") << QStringList{".#"} << o << QPoint(1, 1) << far << "R"
                                  << QPoint(1, 1) << QPoint() << false << QStringList{"o."};
    QTest::newRow("unset border refuses") << QStringList{". "} << o << QPoint(1, 1) << far << "R"
                                          << QPoint(1, 1) << QPoint() << false << QStringList{"o."};
    QTest::newRow("floor step") << QStringList{"..", ".."} << o << QPoint(1, 1) << far << "RD"
                                << QPoint(2, 2) << QPoint(-16, -16) << false
                                << QStringList{"__", ".o"};
    QTest::newRow("chip 13 refuses, arrow applies")
        << QStringList{"vX", ".."} << o << QPoint(1, 1) << far << "R" << QPoint(1, 2)
        << QPoint(0, -16) << false << QStringList{"_.", "o."};
    QTest::newRow("three arrows and a floor")
        << QStringList{".>>>.."} << o << QPoint(1, 1) << far << "R" << QPoint(5, 1)
        << QPoint(-64, 0) << false << QStringList{"_...o."};
    QTest::newRow("up arrow onto a floor")
        << QStringList{"..", ".^", ".."} << o << QPoint(1, 2) << far << "R" << QPoint(2, 1)
        << QPoint(-16, 16) << false << QStringList{".o", "_.", ".."};
    QTest::newRow("arrow into a wall stays on the arrow")
        << QStringList{".>#"} << o << QPoint(1, 1) << far << "R" << QPoint(2, 1) << QPoint(-16, 0)
        << false << QStringList{"_O."};
    QTest::newRow("goal directly") << QStringList{"..."} << o << QPoint(1, 1) << QPoint(2, 1) << "R"
                                   << QPoint(2, 1) << QPoint(-16, 0) << true << QStringList{"_o."};
    QTest::newRow("goal by one slide")
        << QStringList{".>.."} << o << QPoint(1, 1) << QPoint(3, 1) << "R" << QPoint(3, 1)
        << QPoint(-32, 0) << true << QStringList{"_.o."};
    QTest::newRow("goal by a later slide: the game goes on")
        << QStringList{".>>.."} << o << QPoint(1, 1) << QPoint(4, 1) << "R" << QPoint(4, 1)
        << QPoint(-48, 0) << false << QStringList{"_..o."};
    QTest::newRow("then Space on the goal ends it")
        << QStringList{".>>.."} << o << QPoint(1, 1) << QPoint(4, 1) << "R " << QPoint(4, 1)
        << QPoint(-48, 0) << true << QStringList{"_..o."};
    QTest::newRow("other key on an arrow slides")
        << QStringList{"v", "."} << o << QPoint(1, 1) << far << "A" << QPoint(1, 2)
        << QPoint(0, -16) << false << QStringList{"_", "o"};
    QTest::newRow("other key on a floor changes nothing")
        << QStringList{".."} << o << QPoint(1, 1) << far << "A" << QPoint(1, 1) << QPoint() << false
        << QStringList{"o."};
    QTest::newRow("cycle ends on one of its arrows")
        << QStringList{".><"} << o << QPoint(1, 1) << far << "R" << QPoint(3, 1) << QPoint(-32, 0)
        << false << QStringList{"_.O"};
    QTest::newRow("four-arrow cycle")
        << QStringList{".>v", ".^<"} << o << QPoint(1, 1) << far << "R" << QPoint(2, 2)
        << QPoint(-16, -16) << false << QStringList{"_..", ".O."};
    QTest::newRow("floor at the grid's edge")
        << QStringList{".."} << QPoint(127, 5) << QPoint(127, 5) << far << "RR" << QPoint(128, 5)
        << QPoint(-16, 0) << false << QStringList{"_."};
    QTest::newRow("ball outside the grid: nothing moves")
        << QStringList{} << o << QPoint(200, 5) << far << "L" << QPoint(200, 5) << QPoint() << false
        << QStringList{};
    QTest::newRow("arrow at the grid's edge")
        << QStringList{".>"} << QPoint(127, 5) << QPoint(127, 5) << far << "R" << QPoint(128, 5)
        << QPoint(-16, 0) << false << QStringList{"_."};
}

void TestPlayRules::keys()
{
    QFETCH(QStringList, rows);
    QFETCH(QPoint, origin);
    QFETCH(QPoint, start);
    QFETCH(QPoint, goal);
    QFETCH(QString, keys);
    QFETCH(QPoint, cursor);
    QFETCH(QPoint, shift);
    QFETCH(bool, closed);
    QFETCH(QStringList, look);
    auto maze = mazeOf({rows, origin}, start, goal);
    ImageCanvas canvas(ChipSheet::standard());
    QVERIFY(RedrawMap(*maze, canvas, 24, 24));
    PlayBoard board(&canvas);
    StartGame(*maze, board);

    QPoint moved;
    bool reachedGoal = false;
    for (QChar key : keys) {
        QVERIFY(!reachedGoal);
        const KeyOutcome outcome = KeyStep(*maze, board, directionOfRouteKey(key.toLatin1()));
        moved += outcome.viewShift;
        reachedGoal = outcome.reachedGoal;
    }
    QCOMPARE(QPoint(maze->CursorX, maze->CursorY), cursor);
    QCOMPARE(moved, shift);
    QCOMPARE(reachedGoal, closed);
    for (int r = 0; r < look.size(); ++r) {
        for (int c = 0; c < look[r].size(); ++c) {
            const QPoint cell = origin + QPoint(c, r);
            const QImage shown =
                canvas.image().copy(cell.x() * ChipSize, cell.y() * ChipSize, ChipSize, ChipSize);
            if (cell.x() < 24 && cell.y() < 24)
                QVERIFY2(shown == cellLook(*maze, cell, look[r][c]),
                         qPrintable(QStringLiteral("cell (%1, %2)").arg(cell.x()).arg(cell.y())));
        }
    }
}

void TestPlayRules::newGameRestoresTrail()
{
    // A game walks from the start; the next one shows no ball but its own,
    // and the markers again.
    auto maze = mazeOf({{"...>.."}, QPoint(0, 0)}, QPoint(0, 0), QPoint(5, 0));
    ImageCanvas canvas(ChipSheet::standard());
    RedrawMap(*maze, canvas, 8, 8);
    const QImage drawn = canvas.image();
    PlayBoard board(&canvas);
    StartGame(*maze, board);
    for (int i = 0; i < 3; ++i)
        KeyStep(*maze, board, Direction::Right);
    QCOMPARE(maze->CursorX, 4);
    StartGame(*maze, board);
    QImage expected = drawn;
    DrawChip(expected, ChipSheet::standard(), 0, 0, BallFigure.column, BallFigure.row);
    QCOMPARE(canvas.image(), expected);
}

void TestPlayRules::clock_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("ticks"); // per tick: seconds shown, '!' at time-up, '-' nothing
    QTest::newRow("3 seconds") << 3 << "2 1 0!";
    QTest::newRow("no limit") << 1000 << "- - - -";
    QTest::newRow("0 seconds") << 0 << "-1!";
    QTest::newRow("-32768") << -32768 << "-32768!";
    QTest::newRow("1 second") << 1 << "0!";
}

void TestPlayRules::clock()
{
    QFETCH(int, limit);
    QFETCH(QString, ticks);
    auto maze = std::make_unique<MazeState>();
    maze->header.TimeLimit = int16_t(limit);
    const ClockReading first = StartClock(*maze);
    QCOMPARE(first.limited, limit != NoTimeLimit);
    QCOMPARE(first.secondsLeft, limit);
    QStringList seen;
    for (int i = 0; i < ticks.count(' ') + 1; ++i) {
        const ClockTickOutcome tick = ClockTick(*maze);
        seen << (tick.counted ? QString::number(tick.reading.secondsLeft) : QStringLiteral("-")) +
                    (tick.timeUp ? QStringLiteral("!") : QString());
        QCOMPARE(tick.reading.secondsLeft, tick.counted ? maze->TimeLeft : 0);
    }
    QCOMPARE(seen.join(' '), ticks);
}

void TestPlayRules::soak()
{
    // Random mazes full of arrows, cycles and holes: every key press returns,
    // and leaves the ball on an enterable cell or the start.
    QRandomGenerator rng(4711);
    for (int round = 0; round < 20; ++round) {
        auto maze = std::make_unique<MazeState>();
        for (int y = GridMin; y <= GridMax; ++y)
            for (int x = GridMin; x <= GridMax; ++x)
                if (rng.bounded(4) != 0) {
                    MazeCell& c = maze->cell(x, y);
                    c.Chip = int16_t(rng.bounded(0, 16));
                    if (rng.bounded(3) == 0)
                        c.Item = int16_t(rng.bounded(-1, 7));
                }
        const QPoint start(rng.bounded(GridMin, GridMax + 1), rng.bounded(GridMin, GridMax + 1));
        maze->header.StartX = int16_t(start.x());
        maze->header.StartY = int16_t(start.y());
        maze->header.GoalX = int16_t(rng.bounded(GridMin, GridMax + 1));
        maze->header.GoalY = int16_t(rng.bounded(GridMin, GridMax + 1));
        ImageCanvas canvas(ChipSheet::standard());
        RedrawMap(*maze, canvas, 128, 128);
        PlayBoard board(&canvas);
        StartGame(*maze, board);
        for (int i = 0; i < 2000; ++i) {
            const int key = rng.bounded(5);
            KeyStep(*maze, board,
                    key < 4 ? std::optional<Direction>(Direction(key)) : std::nullopt);
            const QPoint ball(maze->CursorX, maze->CursorY);
            QVERIFY(MazeGrid::contains(ball.x(), ball.y()));
            QVERIFY(maze->cell(ball.x(), ball.y()).Chip > LastWall || ball == start);
        }
    }
}

QTEST_GUILESS_MAIN(TestPlayRules)
#include "tst_playrules.moc"
