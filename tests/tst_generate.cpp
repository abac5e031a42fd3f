// The maze generator: every maze it gives meets its request as the analysis
// measures it, the same request gives the same maze, and what cannot be
// met is refused.

#include "MazeState.h"
#include "generate/Generator.h"
#include "play/Analysis.h"
#include "play/Difficulty.h"

#include <QCryptographicHash>
#include <QTest>
#include <QtEndian>

#include <cmath>

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
    void budgetRunsOut();
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
        << QByteArray("8b0249c806c67785c6173aa4d31fc92852ab0513cae2c777dbf76089659edd21");
    QTest::newRow("odd size, 9 keys, no limit")
        << 13 << 9 << 9 << 0 << 0 << 0 << 0.0 << 2
        << QByteArray("1496a15a92a647865acc6e2c79902238bd6421449829d5af5ca8afa6a72cd9de");
    QTest::newRow("24 x 16, two traps")
        << 24 << 16 << 30 << 0 << 2 << 0 << 1.5 << 3
        << QByteArray("91aeb89481c02ffc9136f341819e5baa8f5366fdcc988e97e03fb1e484a8bf63");
    QTest::newRow("20 x 20, arrows and traps")
        << 20 << 20 << 30 << 0 << 3 << 8 << 1.2 << 4
        << QByteArray("684b6948967f866eb39ef37051554728954ece40b61133888204608f3ec7c7a7");
    QTest::newRow("grade 1")
        << 16 << 16 << 0 << 1 << 0 << 0 << 1.5 << 5
        << QByteArray("65cda919313ede82fdafb40c0182f10b2551ffc0ee40d9b5f54f07af248797df");
    QTest::newRow("grade 3 with arrows")
        << 32 << 32 << 0 << 3 << 0 << 10 << 1.5 << 6
        << QByteArray("5ce667fb146ee3978be84d670442ce3d87dfa97b1ea685bffbbb393b749ea9cf");
    QTest::newRow("grade 4, a tight limit, a trap")
        << 32 << 32 << 0 << 4 << 1 << 4 << 0.9 << 7
        << QByteArray("0751abce2291a020aaf6dd3771d911a994e7cb067c2611da003228b9d8a223e1");
    QTest::newRow("same request, another seed")
        << 32 << 32 << 0 << 4 << 1 << 4 << 0.9 << 8
        << QByteArray("d8ae094c8d39a19581fbfdd1d29e4639a96dffd2a5aa7dce8b9bada0bede4bb8");
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
    if (keys > 0)
        QVERIFY2(std::abs(found - keys) * 10 <= keys, qPrintable(QString::number(found)));
    else
        QCOMPARE(measureDifficulty(m, a).grade, grade);
    QCOMPARE(::digest(m), digest);
    QCOMPARE(h.TimeLimit, slack > 0 ? int16_t(std::ceil(slack * found / 4 - 1e-9)) : NoTimeLimit);

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
    QTest::newRow("grade 1 with two traps") << "traps 2" << ProblemKind::GradeBelowTraps << 2;
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

// A request no carving meets ends within its budget, with the closest try.
void TestGenerate::budgetRunsOut()
{
    Request r;
    r.size = {8, 8};
    r.grade = 5;
    QVERIFY(!checkRequest(r));
    int calls = 0;
    const Outcome o = generateMaze(r, [&](int judged, int budget) {
        ++calls;
        QVERIFY(judged <= budget);
    });
    QVERIFY(!o.maze);
    QCOMPARE(calls, o.judged);
    QVERIFY(o.judged <= o.budget);
    QVERIFY(o.measures.solvable);
    QVERIFY(o.measures.grade >= EasiestGrade && o.measures.grade < 5);
}

QTEST_GUILESS_MAIN(TestGenerate)
#include "tst_generate.moc"
