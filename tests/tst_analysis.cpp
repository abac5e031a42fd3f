// What a maze's rules allow: the search for the fewest keys, traps and
// arrow cycles, and the route's time against the limit; the newcomer's
// walks, the difficulty and the time limit they give.

#include "MazeState.h"
#include "generate/Carving.h"
#include "generate/Random.h"
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
    void newcomer_data();
    void newcomer();
    void harderNeverEasier_data();
    void harderNeverEasier();
    void timeLimit_data();
    void timeLimit();
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

// Hand-worked walks of the newcomer on mazes wider than the view. The view
// reaches 16 cells left of the ball and 15 right of it.
void TestAnalysis::newcomer_data()
{
    QTest::addColumn<QStringList>("rows"); // from cell (0, 0)
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("goal");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("deadEnds");
    QTest::addColumn<int>("trapsMet");
    const QString wall(72, u'#');
    // The dead end's unseen part (x 56 on) is one key nearer than the way
    // on (x 23 on): right to 56, where the end at 70 and its wall show;
    // back left until the goal shows at 17, then 16 keys to it.
    QTest::newRow("a corridor with one dead end")
        << QStringList{wall, "#" + QString(70, u'.') + "#", wall} << QPoint(40, 1) << QPoint(1, 1)
        << 39 << 16 + 39 + 16 << 1 << 0;
    // Right along the top until the far wall shows at (25, 1), down until
    // the goal shows at (25, 25), then straight to it: never a key wasted.
    QStringList room(42, QString(42, u'#'));
    for (int y = 1; y <= 40; ++y)
        room[y] = "#" + QString(40, u'.') + "#";
    QTest::newRow("a room") << room << QPoint(1, 1) << QPoint(40, 40) << 78 << 78 << 0 << 0;
    // The arrow at 41 lets the ball into the pocket on its right and never
    // out; the pocket's unseen part is nearer than the way to the goal. In
    // at 42 (1 key), on to 56, where the pocket's end shows (14 keys); no
    // way on: again from the start, left to the goal (39 keys).
    QTest::newRow("a one-way trap")
        << QStringList{wall, "#" + QString(40, u'.') + ">" + QString(29, u'.') + "#", wall}
        << QPoint(40, 1) << QPoint(1, 1) << 39 << 1 + 14 + 39 << 0 << 1;
}

void TestAnalysis::newcomer()
{
    QFETCH(QStringList, rows);
    QFETCH(QPoint, start);
    QFETCH(QPoint, goal);
    QFETCH(int, fewest);
    QFETCH(int, keys);
    QFETCH(int, deadEnds);
    QFETCH(int, trapsMet);
    const auto maze = mazeOf({rows, QPoint(0, 0)}, start, goal);
    const MazeAnalysis a = analyseMaze(*maze);
    QCOMPARE(int(a.route.size()), fewest);
    for (const NewcomerWalk& walk : walkAsNewcomer(*maze, a)) { // no ties to break
        QCOMPARE(walk.keys, keys);
        QCOMPARE(walk.deadEnds, deadEnds);
        QCOMPARE(walk.trapsMet, trapsMet);
        QVERIFY(walk.finished);
    }
}

// Hand-made pairs of mazes, the second harder: more effort, a grade never lower.
void TestAnalysis::harderNeverEasier_data()
{
    QTest::addColumn<int>("easier");
    QTest::addColumn<int>("harder");
    QTest::addColumn<int>("harderGrade"); // 0: any
    QTest::newRow("an open room, a perfect maze of long dead ends") << 0 << 1 << 4;
    QTest::newRow("a dead end in view, one past it") << 2 << 3 << 0;
    QTest::newRow("a dead end, a longer one") << 3 << 4 << 0;
}

void TestAnalysis::harderNeverEasier()
{
    QFETCH(int, easier);
    QFETCH(int, harder);
    QFETCH(int, harderGrade);
    auto measure = [](int which) {
        constexpr int16_t Side = 64;
        std::unique_ptr<MazeState> maze;
        if (which <= 1) { // 64 x 64, corner to corner
            maze = std::make_unique<MazeState>();
            const generate::Lattice lattice = generate::Lattice::of({Side, Side});
            generate::Random random(2);
            const generate::Tree tree =
                generate::carveTree(lattice, random, 8); // always the newest room
            generate::layMaze(*maze, {Side, Side}, lattice, tree, random);
            if (which == 0)
                for (int y = 1; y < Side - 2; ++y)
                    for (int x = 1; x < Side - 2; ++x)
                        maze->cell(x, y).Chip = FirstFloor;
            maze->header.StartX = maze->header.StartY = 1;
            maze->header.GoalX = maze->header.GoalY = Side - 3;
        } else { // a corridor, the goal 39 keys left of the start, a dead end right
            const int deadEnd = QList{10, 30, 60}[which - 2];
            const QString wall(41 + deadEnd + 1, u'#');
            maze = mazeOf({{wall, "#" + QString(40 + deadEnd, u'.') + "#", wall}, QPoint(0, 0)},
                          QPoint(40, 1), QPoint(1, 1));
        }
        return measureDifficulty(*maze, analyseMaze(*maze));
    };
    const Difficulty a = measure(easier);
    const Difficulty b = measure(harder);
    QVERIFY2(b.effort > a.effort,
             qPrintable(QStringLiteral("%1 then %2").arg(a.effort).arg(b.effort)));
    QVERIFY(b.grade >= a.grade);
    if (harderGrade)
        QVERIFY2(*b.grade >= harderGrade, qPrintable(QString::number(*b.grade)));
    if (easier == 0)
        QCOMPARE(a.grade, EasiestGrade);
}

// The time limit: the newcomer's keys at the grade's pace and 5 s to look,
// times the slack, rounded up; never below 20 s, never 1000 (no limit).
void TestAnalysis::timeLimit_data()
{
    QTest::addColumn<double>("keys");
    QTest::addColumn<int>("grade");
    QTest::addColumn<double>("slack");
    QTest::addColumn<int>("limit");
    QTest::newRow("grade 1, 2 keys a second") << 122.0 << 1 << 1.5 << 99;  // (61 + 5) * 1.5
    QTest::newRow("grade 3, 3 keys a second") << 301.0 << 3 << 1.0 << 106; // 100.3 + 5
    QTest::newRow("grade 5, 4 keys a second") << 1000.0 << 5 << 2.0 << 510;
    QTest::newRow("never below 20 s") << 10.0 << 1 << 1.5 << 20;
    QTest::newRow("never the value of no limit") << 3980.0 << 5 << 1.0 << 1001;
}

void TestAnalysis::timeLimit()
{
    QFETCH(double, keys);
    QFETCH(int, grade);
    QFETCH(double, slack);
    QFETCH(int, limit);
    Difficulty d;
    d.newcomerKeys = keys;
    d.grade = grade;
    QCOMPARE(newcomerTimeLimit(d, slack), limit);
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
