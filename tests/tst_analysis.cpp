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
#include "play/WalkTrace.h"
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
    void newcomerTrace_data();
    void newcomerTrace();
    void harderNeverEasier_data();
    void harderNeverEasier();
    void grades_data();
    void grades();
    void limitNeverFalls_data();
    void limitNeverFalls();
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
    QTest::addColumn<double>("choices"); // at the start, the one fork
    const QString wall(72, u'#');
    // The dead end's unseen part (x 56 on) is one key nearer than the way
    // on (x 23 on): right to 56, where the end at 70 and its wall show;
    // back left until the goal shows at 17, then 16 keys to it. The start
    // is a fork; the wrong way has the 30 cells of the dead end behind it.
    QTest::newRow("a corridor with one dead end")
        << QStringList{wall, "#" + QString(70, u'.') + "#", wall} << QPoint(40, 1) << QPoint(1, 1)
        << 39 << 16 + 39 + 16 << 1 << 0 << std::log2(1 + 30.0);
    // Right along the top until the far wall shows at (25, 1), down until
    // the goal shows at (25, 25), then straight to it: never a key wasted.
    QStringList room(42, QString(42, u'#'));
    for (int y = 1; y <= 40; ++y)
        room[y] = "#" + QString(40, u'.') + "#";
    // Every way leads round: no fork has a wrong way.
    QTest::newRow("a room") << room << QPoint(1, 1) << QPoint(40, 40) << 78 << 78 << 0 << 0 << 0.0;
    // The arrow at 41 lets the ball into the pocket on its right and never
    // out; the pocket's unseen part is nearer than the way to the goal. In
    // at 42 (1 key), on to 56, where the pocket's end shows (14 keys); no
    // way on: again from the start, left to the goal (39 keys). The wrong
    // way at the start leads into the pocket's 29 cells.
    QTest::newRow("a one-way trap")
        << QStringList{wall, "#" + QString(40, u'.') + ">" + QString(29, u'.') + "#", wall}
        << QPoint(40, 1) << QPoint(1, 1) << 39 << 1 + 14 + 39 << 0 << 1 << std::log2(1 + 29.0);
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
    QFETCH(double, choices);
    const auto maze = mazeOf({rows, QPoint(0, 0)}, start, goal);
    const MazeAnalysis a = analyseMaze(*maze);
    QCOMPARE(int(a.route.size()), fewest);
    for (const NewcomerWalk& walk : walkAsNewcomer(*maze, a)) { // no ties to break
        QCOMPARE(walk.keys, keys);
        QCOMPARE(walk.deadEnds, deadEnds);
        QCOMPARE(walk.trapsMet, trapsMet);
        QCOMPARE(walk.forks, choices > 0 ? 1 : 0);
        QCOMPARE(walk.choices, choices);
        QVERIFY(walk.finished);
    }
}

// Where the walks above went, in all four walks: counted on the way, never
// changing the walk.
void TestAnalysis::newcomerTrace_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QPoint>("deadEnd"); // turned back at; (0, 0): none
    QTest::addColumn<QPoint>("trap");    // met at; (0, 0): none
    const QString wall(72, u'#');
    // Right from 40 to 56, where the end at 70 shows, and back: the cells
    // between twice, the way in (41 to 56, not the start) the dead end.
    const QStringList corridor{wall, "#" + QString(70, u'.') + "#", wall};
    QTest::newRow("twice into the dead end")
        << corridor << QPoint(40, 1) << QPoint(55, 1) << 2 << QPoint(56, 1) << QPoint();
    QTest::newRow("once where it turned")
        << corridor << QPoint(40, 1) << QPoint(56, 1) << 1 << QPoint(56, 1) << QPoint();
    // Through the arrow at 41 into the pocket, stuck at 56 where its end shows.
    const QStringList pocket{wall, "#" + QString(40, u'.') + ">" + QString(29, u'.') + "#", wall};
    QTest::newRow("the arrow into the trap")
        << pocket << QPoint(40, 1) << QPoint(41, 1) << 1 << QPoint() << QPoint(56, 1);
    QTest::newRow("past where the trap was met")
        << pocket << QPoint(40, 1) << QPoint(57, 1) << 0 << QPoint() << QPoint(56, 1);
}

void TestAnalysis::newcomerTrace()
{
    QFETCH(QStringList, rows);
    QFETCH(QPoint, start);
    QFETCH(QPoint, cell);
    QFETCH(int, steps);
    QFETCH(QPoint, deadEnd);
    QFETCH(QPoint, trap);
    const auto maze = mazeOf({rows, QPoint(0, 0)}, start, QPoint(1, 1));
    const MazeAnalysis a = analyseMaze(*maze);
    WalkTrace trace;
    const Difficulty traced = measureDifficulty(*maze, a, &trace);
    QCOMPARE(traced.effort, measureDifficulty(*maze, a).effort);
    QCOMPARE(trace.walks, NewcomerWalkCount);
    QCOMPARE(trace.stepsAt(cell), NewcomerWalkCount * steps);
    const auto times = [](QPoint at) {
        return at.isNull() ? std::vector<QPoint>{} : std::vector<QPoint>(NewcomerWalkCount, at);
    };
    QCOMPARE(trace.deadEnds, times(deadEnd));
    QCOMPARE(trace.trapsMet, times(trap));
    if (!deadEnd.isNull()) {
        QVERIFY(trace.inDeadEnd(start + QPoint(1, 0)) && trace.inDeadEnd(deadEnd));
        QVERIFY(!trace.inDeadEnd(start));
    }
}

// Hand-made pairs of mazes, the second harder: more effort, a grade never lower.
void TestAnalysis::harderNeverEasier_data()
{
    QTest::addColumn<int>("easier"); // the dead end's length
    QTest::addColumn<int>("harder");
    QTest::newRow("a dead end in view, one past it") << 10 << 30;
    QTest::newRow("a dead end, a longer one") << 30 << 60;
}

void TestAnalysis::harderNeverEasier()
{
    QFETCH(int, easier);
    QFETCH(int, harder);
    auto measure = [](int deadEnd) { // a corridor, the goal 39 keys left of the start
        const QString wall(41 + deadEnd + 1, u'#');
        const auto maze = mazeOf({{wall, "#" + QString(40 + deadEnd, u'.') + "#", wall}, {}},
                                 QPoint(40, 1), QPoint(1, 1));
        return measureDifficulty(*maze, analyseMaze(*maze));
    };
    const Difficulty a = measure(easier);
    const Difficulty b = measure(harder);
    QVERIFY2(b.effort > a.effort,
             qPrintable(QStringLiteral("%1 then %2").arg(a.effort).arg(b.effort)));
    QVERIFY(b.grade >= a.grade);
}

// The grade counts choices, not length.
constexpr int Corridor = 0, Room = 1, Perfect = 2; // the shapes of maze

void TestAnalysis::grades_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("size"); // keys along the corridor; cells a side
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");
    QTest::newRow("a corridor of 20 keys") << Corridor << 20 << 1 << 1;
    QTest::newRow("a corridor of 1,000 keys") << Corridor << 1000 << 1 << 1;
    QTest::newRow("a corridor of 7,999 keys on the largest map") << Corridor << 7999 << 1 << 1;
    QTest::newRow("an open room") << Room << 126 << 1 << 1;
    QTest::newRow("a perfect maze of 31 x 31 rooms, corner to corner") << Perfect << 63 << 4 << 5;
}

void TestAnalysis::grades()
{
    QFETCH(int, shape);
    QFETCH(int, size);
    QFETCH(int, least);
    QFETCH(int, most);
    auto maze = std::make_unique<MazeState>();
    QPoint end(1, 1);
    if (shape == Corridor) { // rows 1, 3, 5 ... of 126 cells, to and fro, joined at the ends
        for (int key = 0; key < size; ++key) {
            maze->cell(end.x(), end.y()).Chip = FirstFloor;
            const bool rightward = (end.y() - 1) / 2 % 2 == 0;
            const bool down = end.y() % 2 == 0 || end.x() == (rightward ? 126 : 1);
            end += down ? QPoint(0, 1) : QPoint(rightward ? 1 : -1, 0);
        }
    } else if (shape == Room) {
        for (int y = 1; y <= size; ++y)
            for (int x = 1; x <= size; ++x)
                maze->cell(x, y).Chip = FirstFloor;
        end = {size, size};
    } else { // the winding corridors of a recursive backtracker
        const generate::Lattice lattice = generate::Lattice::of({int16_t(size), int16_t(size)});
        generate::Random random(2);
        const generate::Tree tree = generate::carveTree(lattice, random, 8);
        generate::layMaze(*maze, {int16_t(size), int16_t(size)}, lattice, tree, random);
        end = {size - 2, size - 2};
    }
    maze->cell(end.x(), end.y()).Chip = FirstFloor;
    maze->header.StartX = maze->header.StartY = 1;
    maze->header.GoalX = int16_t(end.x());
    maze->header.GoalY = int16_t(end.y());
    const MazeAnalysis a = analyseMaze(*maze);
    if (shape == Corridor)
        QCOMPARE(int(a.route.size()), size);
    const Difficulty d = measureDifficulty(*maze, a);
    QVERIFY2(*d.grade >= least && *d.grade <= most,
             qPrintable(QStringLiteral("grade %1, effort %2").arg(*d.grade).arg(d.effort)));
}

// The same maze, harder in one part of the effort: its limit never falls,
// least of all where the grade goes up a band.
void TestAnalysis::limitNeverFalls_data()
{
    // fewest keys, newcomer keys, forks, choices, dead ends, traps met
    QTest::addColumn<QList<double>>("easier");
    QTest::addColumn<QList<double>>("harder");
    QTest::newRow("a dead end more")
        << QList<double>{60, 70, 0, 0, 2, 0} << QList<double>{60, 70, 0, 0, 3, 0};
    QTest::newRow("a fork more") << QList<double>{60, 60, 3, 12, 0, 0}
                                 << QList<double>{60, 60, 4, 20, 0, 0};
    QTest::newRow("keys wasted") << QList<double>{60, 60, 0, 0, 0, 0}
                                 << QList<double>{60, 200, 0, 0, 0, 0};
    QTest::newRow("a trap met") << QList<double>{60, 200, 0, 0, 0, 0}
                                << QList<double>{60, 200, 0, 0, 0, 1};
    const double length = lengthPoints(100);
    for (int band = 0; band < int(std::size(GradeSteps)); ++band) // choices across each band's edge
        QTest::addRow("grade %d to %d", band + 1, band + 2)
            << QList<double>{100, 100, 10, GradeSteps[band] - length - 0.5, 0, 0}
            << QList<double>{100, 100, 10, GradeSteps[band] - length + 0.5, 0, 0};
}

void TestAnalysis::limitNeverFalls()
{
    QFETCH(QList<double>, easier);
    QFETCH(QList<double>, harder);
    auto difficulty = [](const QList<double>& parts) {
        Difficulty d;
        d.fewestKeys = int(parts[0]);
        d.newcomerKeys = parts[1];
        d.forks = parts[2];
        d.choices = parts[3];
        d.deadEnds = parts[4];
        d.trapsMet = parts[5];
        d.effort = effortOf(d);
        d.grade = gradeOfEffort(d.effort);
        return d;
    };
    const Difficulty a = difficulty(easier);
    const Difficulty b = difficulty(harder);
    QVERIFY(b.effort > a.effort);
    QVERIFY(*b.grade >= *a.grade);
    QVERIFY(newcomerTimeLimit(b, DefaultLimitSlack) >= newcomerTimeLimit(a, DefaultLimitSlack));
}

// The time limit: the newcomer's keys at 3 a second, a second a fork and
// 5 s to look, times the slack, rounded up; never below 20 s, never 1000
// (no limit).
void TestAnalysis::timeLimit_data()
{
    QTest::addColumn<double>("keys");
    QTest::addColumn<double>("forks");
    QTest::addColumn<double>("slack");
    QTest::addColumn<int>("limit");
    QTest::newRow("3 keys a second") << 120.0 << 0.0 << 1.5 << 68;    // (40 + 5) * 1.5
    QTest::newRow("a second a fork") << 301.0 << 10.25 << 1.0 << 116; // 100.3 + 10.25 + 5
    QTest::newRow("never below 20 s") << 10.0 << 1.0 << 1.5 << 20;
    QTest::newRow("never the value of no limit") << 2985.0 << 0.0 << 1.0 << 1001;
}

void TestAnalysis::timeLimit()
{
    QFETCH(double, keys);
    QFETCH(double, forks);
    QFETCH(double, slack);
    QFETCH(int, limit);
    Difficulty d;
    d.newcomerKeys = keys;
    d.forks = forks;
    QCOMPARE(newcomerTimeLimit(d, slack), limit);
}

QTEST_GUILESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
