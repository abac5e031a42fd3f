// What a maze's rules allow: the search for the fewest keys, traps and
// arrow cycles, and the route's time against the limit.

#include "MazeState.h"
#include "play/Analysis.h"
#include "play/Difficulty.h"
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
    void difficulty_data();
    void difficulty();
    void grade_data();
    void grade();
    void moreNeverEasier_data();
    void moreNeverEasier();
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

void TestAnalysis::difficulty_data()
{
    QTest::addColumn<QStringList>("rows"); // from cell (1, 1)
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("goal");
    QTest::addColumn<int>("decisions");
    QTest::addColumn<int>("deadEnds");
    // At (2, 2) up or on; at (4, 2) up, down or the goal. Three dead ends.
    QTest::newRow("a corridor with side branches")
        << QStringList{"#.#.#", ".....", "###.#"} << QPoint(1, 2) << QPoint(5, 2) << 2 << 3;
    // Left or right at the start, which came from nowhere; (1, 1) a dead end.
    QTest::newRow("starting between two ways")
        << QStringList{"....."} << QPoint(3, 1) << QPoint(5, 1) << 1 << 1;
    QTest::newRow("starting between a way and the goal")
        << QStringList{"..."} << QPoint(2, 1) << QPoint(3, 1) << 1 << 1;
    // Down from (1, 1) the arrow sends the ball back: one way out of (1, 1).
    QTest::newRow("an arrow that turns the ball back makes a dead end")
        << QStringList{"..", "^#"} << QPoint(2, 1) << QPoint(1, 2) << 0 << 1;
}

void TestAnalysis::difficulty()
{
    QFETCH(QStringList, rows);
    QFETCH(QPoint, start);
    QFETCH(QPoint, goal);
    QFETCH(int, decisions);
    QFETCH(int, deadEnds);
    const auto maze = mazeOf({rows, QPoint(1, 1)}, start, goal);
    const MazeAnalysis a = analyseMaze(*maze);
    QCOMPARE(countDecisions(a), decisions);
    QCOMPARE(countDeadEnds(a, goal), deadEnds);
}

// The grades of the formula's steps.
void TestAnalysis::grade_data()
{
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("decisions");
    QTest::addColumn<int>("deadEnds");
    QTest::addColumn<int>("traps");
    QTest::addColumn<double>("slack"); // 0: no limit
    QTest::addColumn<int>("grade");
    QTest::newRow("first steps") << 20 << 2 << 10 << 0 << 0.0 << 1;             // 0.9
    QTest::newRow("just grade 2") << 25 << 5 << 0 << 0 << 2.0 << 2;             // 1.5
    QTest::newRow("dead ends count to 100") << 50 << 5 << 900 << 0 << 0.0 << 3; // 3
    QTest::newRow("a trap") << 50 << 5 << 0 << 1 << 0.0 << 3;                   // 3
    QTest::newRow("a tight limit") << 100 << 10 << 0 << 0 << 1.0 << 4;          // 6
    QTest::newRow("long and branching") << 300 << 20 << 100 << 0 << 0.0 << 5;   // 11
}

void TestAnalysis::grade()
{
    QFETCH(int, keys);
    QFETCH(int, decisions);
    QFETCH(int, deadEnds);
    QFETCH(int, traps);
    QFETCH(double, slack);
    QFETCH(int, grade);
    DifficultyInputs in{keys, decisions, deadEnds, traps};
    if (slack > 0)
        in.slack = slack;
    QCOMPARE(gradeOfPoints(difficultyPoints(in)), grade);
}

// Hand-made pairs of mazes, the second harder: its points are higher, its
// grade never lower.
void TestAnalysis::moreNeverEasier_data()
{
    QTest::addColumn<QStringList>("easier");
    QTest::addColumn<QStringList>("harder");
    QTest::addColumn<int>("easierLimit");
    QTest::addColumn<int>("harderLimit");
    const QStringList corridor{"##########", "#........#", "##########"};
    QTest::newRow("more keys") << QStringList{"#####", "#...#", "#####"} << corridor << 1000
                               << 1000;
    QTest::newRow("a side branch: a decision, a dead end")
        << corridor << QStringList{"##########", "#........#", "####.#####"} << 1000 << 1000;
    QTest::newRow("a trap") << corridor
                            << QStringList{"##########", "#........#", "####v#####", "####.####"}
                            << 1000 << 1000;
    QTest::newRow("less slack") << corridor << corridor << 3 << 2;
}

void TestAnalysis::moreNeverEasier()
{
    QFETCH(QStringList, easier);
    QFETCH(QStringList, harder);
    QFETCH(int, easierLimit);
    QFETCH(int, harderLimit);
    auto measure = [](QStringList rows, int limit) {
        const int last = int(rows[1].lastIndexOf(u'.'));
        auto maze = mazeOf({rows, QPoint(0, 0)}, QPoint(1, 1), QPoint(last, 1));
        maze->header.TimeLimit = int16_t(limit);
        return measureDifficulty(*maze, analyseMaze(*maze));
    };
    const Difficulty a = measure(easier, easierLimit);
    const Difficulty b = measure(harder, harderLimit);
    QVERIFY2(b.points > a.points,
             qPrintable(QStringLiteral("%1 then %2").arg(a.points).arg(b.points)));
    QVERIFY(b.grade >= a.grade);
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
