// The maze generator: every maze it gives meets its request as the analysis
// measures it, the same request gives the same maze, and what cannot be
// met is refused.

#include "MazeState.h"
#include "generate/Generator.h"
#include "generate/Judge.h"
#include "generate/Reach.h"
#include "play/Analysis.h"
#include "play/Difficulty.h"

#include <QCryptographicHash>
#include <QTest>
#include <QtEndian>

#include <cstdlib>

using namespace orvane;
using namespace orvane::generate;

using ProblemKind = RequestProblem::Kind;
Q_DECLARE_METATYPE(ProblemKind)

namespace {

// The cell a new maze of the editor holds outside the map: walls on the
// column and the row past it, nothing beyond.
MazeCell freshOutside(const MazeHeader& h, int x, int y)
{
    const bool border = x >= 0 && y >= 0 && x <= h.MapWidth && y <= h.MapHeight;
    return {border ? FirstWall : UnsetChip, NoItem};
}

// SHA-256 of the maze's numbers and cells, little-endian, in file order.
QByteArray digest(const MazeState& m)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&](int16_t value) {
        const int16_t le = qToLittleEndian(value);
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(&le), sizeof le));
    };
    const MazeHeader& h = m.header;
    for (const int16_t v :
         {h.TimeLimit, h.StartX, h.StartY, h.GoalX, h.GoalY, h.MapWidth, h.MapHeight})
        add(v);
    for (const MazeCell& c : m.grid.cells()) {
        add(c.Chip);
        add(c.Item);
    }
    return hash.result().toHex();
}

} // namespace

class TestGenerate : public QObject {
    Q_OBJECT

private slots:
    void meetsRequest_data();
    void meetsRequest();
    void refused_data();
    void refused();
    void budgetRunsOut_data();
    void budgetRunsOut();
    void reach_data();
    void reach();
};

void TestGenerate::meetsRequest_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("keys"); // 0: aim at the grade
    QTest::addColumn<int>("grade");
    QTest::addColumn<int>("traps");
    QTest::addColumn<int>("arrows");
    QTest::addColumn<double>("slack"); // 0: no time limit
    QTest::addColumn<int>("seed");
    // The maze's bytes: a change of the generator's output is a decision.
    QTest::addColumn<QByteArray>("digest");
    QTest::newRow("16 x 16, 20 keys")
        << 16 << 16 << 20 << 0 << 0 << 0 << 1.5 << 1
        << QByteArray("d8bc48c74745f3ad3884e87e332a0d7a8f2152732bbcb370d1e8a7816be3b304");
    QTest::newRow("odd size, 9 keys, no limit")
        << 13 << 9 << 9 << 0 << 0 << 0 << 0.0 << 2
        << QByteArray("1496a15a92a647865acc6e2c79902238bd6421449829d5af5ca8afa6a72cd9de");
    QTest::newRow("24 x 16, two traps")
        << 24 << 16 << 30 << 0 << 2 << 0 << 1.5 << 3
        << QByteArray("fbb46e4ef3ebbd4a312fadec5fa887e819403f14caf228ffb85ada94538338d9");
    QTest::newRow("20 x 20, arrows and traps")
        << 20 << 20 << 30 << 0 << 3 << 8 << 1.2 << 4
        << QByteArray("f6da676550d615e812a9feb671670de4ac3db88a5a30f9cc59407be9ac603a4e");
    QTest::newRow("grade 1")
        << 16 << 16 << 0 << 1 << 0 << 0 << 1.5 << 5
        << QByteArray("fc15ae14fca9c293c65b1d099e34f62a89ab0f9212d01fd40154f0aee8c55fcd");
    QTest::newRow("grade 1 on a large map")
        << 128 << 96 << 0 << 1 << 0 << 0 << 1.5 << 5
        << QByteArray("b84afaee29f579186ea548cee7ae36845abb0df014646c7a46125254d40f01a8");
    QTest::newRow("grade 3 with arrows")
        << 64 << 64 << 0 << 3 << 0 << 10 << 1.5 << 6
        << QByteArray("674836d5a7b9142da4a5a28fd863d75ce5824103d5539e952c2ecd09c86de8e5");
    QTest::newRow("grade 4, a tight limit, a trap")
        << 64 << 64 << 0 << 4 << 1 << 4 << 0.9 << 7
        << QByteArray("709916341ce9bf24d486516258ae11c955991046c5347885d83004aa11ec8032");
    QTest::newRow("same request, another seed")
        << 64 << 64 << 0 << 4 << 1 << 4 << 0.9 << 8
        << QByteArray("4a6980a0897ba1d5bb8e26b6e28600b1464b61279fdece7bdc9417467fe54680");
}

void TestGenerate::meetsRequest()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, keys);
    QFETCH(int, grade);
    QFETCH(int, traps);
    QFETCH(int, arrows);
    QFETCH(double, slack);
    QFETCH(int, seed);
    QFETCH(QByteArray, digest);
    Request r;
    r.size = {int16_t(width), int16_t(height)};
    r.keys = keys;
    r.grade = grade;
    r.traps = traps;
    r.arrows = arrows;
    r.slack = slack > 0 ? std::optional(slack) : std::nullopt;
    r.seed = uint64_t(seed);
    r.title = "t";
    r.music = "m.mid";
    QVERIFY(!checkRequest(r));
    const Outcome o = generateMaze(r);
    QVERIFY2(o.maze, qPrintable(QStringLiteral("closest: %1 keys, grade %2, %3 traps")
                                    .arg(o.measures.keys)
                                    .arg(o.measures.grade)
                                    .arg(o.measures.traps)));
    const MazeState& m = *o.maze;
    const MazeHeader& h = m.header;
    QCOMPARE(h.MapWidth, width);
    QCOMPARE(h.Title, QByteArray("t"));
    QCOMPARE(h.MusicFile, QByteArray("m.mid"));

    // What check finds.
    const MazeAnalysis a = analyseMaze(m);
    QVERIFY(a.valid());
    QVERIFY(a.solvable);
    QVERIFY(a.cycles.empty());
    QCOMPARE(int(a.traps.size()), traps);
    const int found = int(a.route.size());
    const Difficulty d = measureDifficulty(m, a);
    if (keys > 0)
        QVERIFY2(std::abs(found - keys) * 10 <= keys, qPrintable(QString::number(found)));
    else
        QCOMPARE(d.grade, grade);
    QCOMPARE(::digest(m), digest);
    if (grade > 0) // a third of the map's width and height at least
        QVERIFY2(found * 3 >= width + height, qPrintable(QString::number(found)));
    QCOMPARE(h.TimeLimit, slack > 0 ? newcomerTimeLimit(d, slack) : NoTimeLimit);

    // What the editor would save: margins as a new maze, arrows only on floors.
    int arrowCells = 0;
    for (int y = GridMin; y <= GridMax; ++y) {
        for (int x = GridMin; x <= GridMax; ++x) {
            const MazeCell& c = m.cell(x, y);
            if (x < 0 || y < 0 || x >= width || y >= height) {
                QCOMPARE(c, freshOutside(h, x, y));
                continue;
            }
            QVERIFY(c.Chip >= FirstWall && c.Chip <= LastFloor);
            if (c.Item != NoItem) {
                QVERIFY(c.Chip >= FirstFloor && c.Item >= ArrowUp && c.Item <= ArrowRight);
                ++arrowCells;
            }
        }
    }
    // About the arrows asked, and one for each trap.
    QVERIFY2(std::abs(arrowCells - traps - arrows) <= arrows / 10,
             qPrintable(QString::number(arrowCells)));

    // The same request, the same maze.
    const Outcome again = generateMaze(r);
    QVERIFY(again.maze);
    QVERIFY(again.maze->header == h);
    QVERIFY(again.maze->grid == m.grid);
}

void TestGenerate::refused_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<ProblemKind>("kind");
    QTest::addColumn<int>("limit");
    QTest::newRow("side 4") << "size 4" << ProblemKind::SizeOutOfRange << MinSide;
    QTest::newRow("side 129") << "size 129" << ProblemKind::SizeOutOfRange << MinSide;
    QTest::newRow("more keys than 7 x 7 rooms hold")
        << "keys 107" << ProblemKind::KeysOutOfRange << 2 * 49 - 2;
    QTest::newRow("grade 6") << "grade 6" << ProblemKind::GradeOutOfRange << 5;
    QTest::newRow("13 traps in 49 rooms") << "traps 13" << ProblemKind::TrapsOutOfRange << 12;
    QTest::newRow("50 arrows in 49 rooms") << "arrows 50" << ProblemKind::ArrowsOutOfRange << 49;
    QTest::newRow("slack 0.4") << "slack 0.4" << ProblemKind::SlackOutOfRange << 0;
    QTest::newRow("104 keys, of which 94 would do") << "keys 104" << ProblemKind::None << 0;
}

void TestGenerate::refused()
{
    QFETCH(QString, change);
    QFETCH(ProblemKind, kind);
    QFETCH(int, limit);
    Request r;
    r.size = {16, 16}; // 7 x 7 rooms
    r.grade = 1;
    const QStringList words = change.split(u' ');
    const int value = words[1].toInt();
    if (words[0] == "size")
        r.size = {int16_t(value), int16_t(value)};
    if (words[0] == "keys")
        r.keys = value;
    if (words[0] == "grade")
        r.grade = value;
    if (words[0] == "traps")
        r.traps = value;
    if (words[0] == "arrows")
        r.arrows = value;
    if (words[0] == "slack")
        r.slack = words[1].toDouble();
    const RequestProblem p = checkRequest(r);
    QCOMPARE(p.kind, kind);
    QCOMPARE(p.limit, limit);
}

void TestGenerate::budgetRunsOut_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("keys"); // 0: grade 5
    QTest::addColumn<int>("traps");
    QTest::addColumn<int>("stopAfter"); // analyses; 0: never stopped
    QTest::newRow("grade 5 on 8 x 8") << QSize(8, 8) << 0 << 0 << 0;
    QTest::newRow("keys beyond every carving, a trap") << QSize(16, 16) << 96 << 1 << 0;
    QTest::newRow("stopped") << QSize(64, 64) << 2000 << 0 << 3;
}

// A request no carving meets ends within its budget, or when stopped, with
// the nearest maze finished and judged as a met one is, and its measures.
void TestGenerate::budgetRunsOut()
{
    QFETCH(QSize, size);
    QFETCH(int, keys);
    QFETCH(int, traps);
    QFETCH(int, stopAfter);
    Request r;
    r.size = {int16_t(size.width()), int16_t(size.height())};
    r.keys = keys;
    r.grade = 5;
    r.traps = traps;
    QVERIFY(!checkRequest(r));
    int calls = 0;
    std::atomic<bool> stop = false;
    const Outcome o = generateMaze(
        r, [&](int, int) { stop = ++calls == stopAfter; }, &stop);
    QVERIFY(!o.maze);
    QCOMPARE(calls, o.judged);
    QVERIFY(o.judged <= (stopAfter ? stopAfter : o.budget) + 1); // the nearest finished
    QVERIFY(o.nearest);
    const MazeState& m = *o.nearest;
    const MazeAnalysis a = analyseMaze(m);
    const Difficulty d = measureDifficulty(m, a);
    QVERIFY(a.solvable && editorWouldSave(m));
    QVERIFY(o.measures.solvable);
    QCOMPARE(o.measures.keys, int(a.route.size()));
    QCOMPARE(o.measures.grade, d.grade.value());
    QCOMPARE(o.measures.traps, int(a.traps.size()));
    QCOMPARE(m.header.TimeLimit, newcomerTimeLimit(d, DefaultSlack));
}

void TestGenerate::reach_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("traps");
    QTest::addColumn<int>("arrows");
    QTest::addColumn<int>("grade");
    QTest::newRow("the smallest") << QSize(5, 5) << 0 << 0 << 1;
    QTest::newRow("8 x 8 rooms") << QSize(17, 17) << 0 << 0 << 1;
    QTest::newRow("9 x 9 rooms") << QSize(19, 19) << 0 << 0 << 2;
    QTest::newRow("16 x 8 rooms") << QSize(33, 17) << 0 << 0 << 3;
    QTest::newRow("14 x 14 rooms") << QSize(29, 29) << 0 << 0 << 3;
    QTest::newRow("20 x 10 rooms") << QSize(41, 21) << 0 << 0 << 4;
    QTest::newRow("32 x 32") << QSize(32, 32) << 0 << 0 << 4;
    QTest::newRow("32 x 32, 9 traps") << QSize(32, 32) << 9 << 0 << 3;
    QTest::newRow("32 x 32, 25 arrows") << QSize(32, 32) << 0 << 25 << 3;
    QTest::newRow("23 x 23 rooms") << QSize(47, 47) << 0 << 0 << 5;
    QTest::newRow("the largest") << QSize(128, 128) << 0 << 0 << 5;
}

// The grade and keys a size reaches reliably: nine seeds in ten meet each.
void TestGenerate::reach()
{
    QFETCH(QSize, size);
    QFETCH(int, traps);
    QFETCH(int, arrows);
    QFETCH(int, grade);
    Request r;
    r.size = {int16_t(size.width()), int16_t(size.height())};
    r.traps = traps;
    r.arrows = arrows;
    QCOMPARE(reachableGrade(r), grade);
    r.grade = grade;
    for (const int keys : {0, traps + arrows ? 0 : reachableKeys(r.size)}) {
        r.keys = keys;
        QVERIFY(!checkReach(r));
        int met = 0;
        for (r.seed = 1; r.seed <= 10; ++r.seed)
            met += generateMaze(r).maze != nullptr;
        QVERIFY2(met >= 9, qPrintable(QStringLiteral("%1 keys: %2 met").arg(keys).arg(met)));
    }
}

QTEST_GUILESS_MAIN(TestGenerate)
#include "tst_generate.moc"
