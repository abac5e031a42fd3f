// What a maze's rules allow: the search for the fewest keys, traps and
// arrow cycles, and the route's time against the limit.

#include "MazeState.h"
#include "play/Analysis.h"
#include "play/KeyStep.h"
#include "play/PlayBoard.h"
#include "support/TextMazes.h"

#include <QRandomGenerator>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

QString cellsText(const std::vector<QPoint>& cells)
{
    QStringList listed;
    for (QPoint c : cells)
        listed << QStringLiteral("%1,%2").arg(c.x()).arg(c.y());
    return listed.join(u' ');
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT

private slots:
    void mazes_data();
    void mazes();
    void foundRoutesReplay();
    void timing_data();
    void timing();
};

void TestAnalysis::mazes_data()
{
    QTest::addColumn<QStringList>("rows"); // from cell (1, 1)
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("goal");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("route"); // empty: not solvable
    QTest::addColumn<QString>("traps");
    QTest::addColumn<QString>("cycles");
    QTest::newRow("straight corridor")
        << QStringList{"....."} << QPoint(1, 1) << QPoint(5, 1) << true << "RRRR"
        << ""
        << "";
    QTest::newRow("only way is an arrow chain over a gate")
        << QStringList{".>>X.."} << QPoint(1, 1) << QPoint(6, 1) << true << "RRR"
        << ""
        << "";
    QTest::newRow("goal by a later slide needs one more key")
        << QStringList{".>>.."} << QPoint(1, 1) << QPoint(4, 1) << true << "RS"
        << ""
        << "";
    QTest::newRow("unreachable goal")
        << QStringList{"..#.."} << QPoint(1, 1) << QPoint(5, 1) << true << ""
        << "1,1 2,1"
        << "";
    QTest::newRow("arrow cycle") << QStringList{".><."} << QPoint(1, 1) << QPoint(4, 1) << true
                                 << "RR"
                                 << ""
                                 << "3,1 2,1";
    QTest::newRow("trap room behind a one-way arrow")
        << QStringList{".>.#", ".##", "."} << QPoint(1, 1) << QPoint(1, 3) << true << "DD"
        << "3,1"
        << "";
    QTest::newRow("start on a wall")
        << QStringList{"#.."} << QPoint(1, 1) << QPoint(3, 1) << false << "RR"
        << ""
        << "";
    QTest::newRow("start is the goal")
        << QStringList{".."} << QPoint(1, 1) << QPoint(1, 1) << true << "S"
        << ""
        << "";
}

void TestAnalysis::mazes()
{
    QFETCH(QStringList, rows);
    QFETCH(QPoint, start);
    QFETCH(QPoint, goal);
    QFETCH(bool, valid);
    QFETCH(QString, route);
    QFETCH(QString, traps);
    QFETCH(QString, cycles);
    const auto maze = mazeOf({rows, QPoint(1, 1)}, start, goal);
    const MazeAnalysis a = analyseMaze(*maze);
    QCOMPARE(a.valid(), valid);
    QCOMPARE(a.solvable, !route.isEmpty());
    QCOMPARE(QString::fromStdString(a.route), route);
    QCOMPARE(cellsText(a.traps), traps);
    QCOMPARE(cellsText(a.cycles), cycles);
    QCOMPARE(a.reachable.front(), start);
    QCOMPARE(QPoint(maze->CursorX, maze->CursorY), QPoint()); // the maze is left as it was
}

void TestAnalysis::foundRoutesReplay()
{
    // On random small mazes, the route found ends the game with the player's
    // rules in exactly as many keys, and not before.
    QRandomGenerator rng(1207);
    int solvable = 0;
    for (int round = 0; round < 300; ++round) {
        auto maze = std::make_unique<MazeState>();
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                MazeCell& c = maze->cell(x, y);
                c.Chip = rng.bounded(4) == 0 ? FirstWall : FirstFloor;
                if (c.Chip == FirstFloor && rng.bounded(4) == 0)
                    c.Item = int16_t(rng.bounded(ArrowUp, ArrowRight + 1));
            }
        maze->header.StartX = int16_t(rng.bounded(10));
        maze->header.StartY = int16_t(rng.bounded(10));
        maze->header.GoalX = int16_t(rng.bounded(10));
        maze->header.GoalY = int16_t(rng.bounded(10));
        const MazeAnalysis a = analyseMaze(*maze);
        if (!a.solvable)
            continue;
        ++solvable;
        maze->CursorX = maze->header.StartX;
        maze->CursorY = maze->header.StartY;
        PlayBoard board;
        for (size_t i = 0; i < a.route.size(); ++i) {
            const KeyOutcome outcome = KeyStep(*maze, board, directionOfRouteKey(a.route[i]));
            QCOMPARE(outcome.reachedGoal, i + 1 == a.route.size());
        }
        QCOMPARE(a.routeCells.back(), QPoint(maze->CursorX, maze->CursorY));
    }
    QVERIFY(solvable > 50);
}

void TestAnalysis::timing_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("fit");
    QTest::newRow("fits") << 20 << 30 << int(RouteFit::Fits);  // 5 s
    QTest::newRow("tight") << 20 << 6 << int(RouteFit::Tight); // within 20 %
    QTest::newRow("at the limit") << 24 << 6 << int(RouteFit::TooSlow);
    QTest::newRow("no limit") << 9999 << 1000 << int(RouteFit::NoLimit);
    QTest::newRow("limit 0 lasts one tick") << 2 << 0 << int(RouteFit::Fits);
}

void TestAnalysis::timing()
{
    QFETCH(int, keys);
    QFETCH(int, limit);
    QFETCH(int, fit);
    const RouteTiming t = timeRoute(keys, 4, int16_t(limit));
    QCOMPARE(t.seconds, keys / 4.0);
    QCOMPARE(int(t.fit), fit);
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
