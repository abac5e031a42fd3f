// The text form of a maze: its layout, the round trip of any file the
// reader accepts, and the texts it refuses.

#include "MazeCodec.h"
#include "MazeText.h"
#include "RegionClipboard.h"
#include "TestMazes.h"
#include "support/GuardedBytes.h"

#include <QTest>

using namespace orvane;
using namespace orvane::test;

using Kind = MazeText::Problem::Kind;
Q_DECLARE_METATYPE(Kind)

namespace {

QByteArray encoded(const MazeData& m)
{
    return MazeCodec::encode(m.header, m.grid).bytes;
}

// A 3 x 2 maze with a title that ends in half a character, a music path
// with backslashes and quotes, a chip above 18, a negative chip and margins
// as a new maze leaves them, but for one cell.
MazeData tinyMaze()
{
    MazeData m;
    MazeHeader& h = m.header;
    h.Title = Cp932::fromUnicode(QStringLiteral("迷路")) + "\x81";
    h.MusicFile = "C:\\midi\\\"a\".mid";
    h.TimeLimit = NoTimeLimit;
    h.GoalX = 2;
    h.GoalY = 1;
    h.MapWidth = 3;
    h.MapHeight = 2;
    for (int y = 0; y <= 2; ++y)
        for (int x = 0; x <= 3; ++x)
            m.grid.at(x, y).Chip = FirstWall;
    m.grid.at(1, 0).Chip = FirstFloor;
    m.grid.at(2, 0) = {FirstFloor, ArrowRight};
    m.grid.at(0, 1).Chip = FirstFloor + 1;
    m.grid.at(1, 1).Chip = 19;
    m.grid.at(2, 1) = {FirstFloor, ArrowDown};
    m.grid.at(-5, -5) = {-3, 7};
    return m;
}

const char TinyText[] = // moc reads no raw strings
    "ORVANE maze text 1\n"
    "title: \"迷路\\x81\"\n"
    "time: none\n"
    "start: 0 0\n"
    "goal: 2 1\n"
    "music: \"C:\\\\midi\\\\\\\"a\\\".mid\"\n"
    "size: 3x2\n"
    "legend: A -3 7\n"
    "legend: _ 0 0\n"
    "legend: # 1 0\n"
    "legend: . 7 0\n"
    "legend: v 7 2\n"
    "legend: > 7 4\n"
    "legend: r 8 0\n"
    "legend: C 19 0\n"
    "map:\n"
    "#.>\n"
    "rCv\n"
    "outside: _\n"
    "cells: -5 -5 A\n"
    "cells: 3 0..1 #\n"
    "cells: 0..3 2 #\n";

// The tiny text with line `line` (from 1) replaced by `replacement`, or cut
// off after line -line when `line` is negative, or with `replacement`
// added at the end when `line` is 0.
QByteArray changed(int line, const QByteArray& replacement)
{
    QList<QByteArray> lines = QByteArray(TinyText).split('\n');
    lines.removeLast(); // after the final newline
    if (line < 0)
        lines = lines.first(-line);
    else if (line == 0)
        lines << replacement;
    else
        lines[line - 1] = replacement;
    return lines.join('\n') + '\n';
}

// The longest text the writer makes: a 1 x 1 map, every other cell of the
// grid a value of its own, numbers six characters long, texts in escapes.
QByteArray longestText()
{
    const auto m = std::make_unique<MazeData>();
    m->header.Title = m->header.MusicFile = QByteArray(MazeCodec::MaxTextLength, '\x80');
    m->header.TimeLimit = INT16_MIN;
    m->header.StartX = m->header.StartY = m->header.GoalX = m->header.GoalY = GridMin;
    m->header.MapWidth = m->header.MapHeight = 1;
    for (int i = 0; i < GridCellCount; ++i)
        m->grid.cells()[size_t(i)] = {int16_t(INT16_MIN + i / 1000), int16_t(INT16_MIN + i % 1000)};
    return MazeText::write(m->header, m->grid);
}

} // namespace

class TestMazeText : public QObject {
    Q_OBJECT

private slots:
    void layout();
    void roundTrip_data();
    void roundTrip();
    void refused_data();
    void refused();
    void regionText_data();
    void regionText();
    void mazeTextAsRegion();
    void regionBytes_data();
    void regionBytes();
    void hugeInputs_data();
    void hugeInputs();
};

// The text of a small maze, line by line: spare characters for the chips the
// default legend lacks, escapes for bytes that are no character, the cells
// outside the map as one default and blocks of the others.
void TestMazeText::layout()
{
    const MazeData m = tinyMaze();
    QCOMPARE(QString::fromUtf8(MazeText::write(m.header, m.grid)), QString::fromUtf8(TinyText));
    const MazeText::ReadResult back = MazeText::read(TinyText);
    QVERIFY(back.maze);
    QCOMPARE(encoded(*back.maze), encoded(m));
}

void TestMazeText::roundTrip_data()
{
    QTest::addColumn<int>("corner");
    QTest::newRow("a new maze, empty title") << 0;
    QTest::newRow("long title of every byte, items on every floor") << 1;
    QTest::newRow("128 x 128 with margins and the last row and column set") << 2;
    for (int seed = 1; seed <= 3; ++seed) // every cell and number random: spares run into CJK
        QTest::addRow("random %d", seed) << 10 + seed;
}

// Any maze the reader accepts comes back from its text byte for byte.
void TestMazeText::roundTrip()
{
    QFETCH(int, corner);
    MazeData m = abcMaze();
    if (corner == 0)
        m.header.Title.clear();
    if (corner == 1) {
        QByteArray title;
        while (title.size() < MazeCodec::MaxTextLength)
            title += char(title.size() % 256);
        m.header.Title = title;
        for (int16_t floor = FirstFloor; floor <= LastFloor; ++floor)
            for (int16_t item = NoItem; item <= GoalCode; ++item)
                m.grid.at(floor, item + 3) = {floor, item};
    }
    if (corner == 2) {
        m.header.MapWidth = m.header.MapHeight = MapSizeMax;
        for (int i = GridMin; i <= GridMax; ++i)
            m.grid.at(GridMax, i) = m.grid.at(i, GridMin) = {FirstFloor, int16_t(i)};
    }
    if (corner > 10) {
        QRandomGenerator rng{quint32(corner)};
        m = randomMaze(rng);
    }
    const QByteArray text = MazeText::write(m.header, m.grid);
    const MazeText::ReadResult back = MazeText::read(text);
    QVERIFY2(back.maze,
             qPrintable(
                 QStringLiteral("line %1: %2").arg(back.problem.line).arg(int(back.problem.kind))));
    QCOMPARE(encoded(*back.maze), encoded(m));
}

void TestMazeText::refused_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("not UTF-8") << changed(2, "title: \"\xff\"") << 2 << Kind::NotUtf8;
    QTest::newRow("another format") << changed(1, "ORVANE maze text 2") << 1 << Kind::NotMazeText;
    QTest::newRow("empty") << QByteArray() << 1 << Kind::NotMazeText;
    QTest::newRow("no key") << changed(0, "hello") << 23 << Kind::NotKeyLine;
    QTest::newRow("unknown key") << changed(3, "colour: red") << 3 << Kind::UnknownKey;
    QTest::newRow("twice") << changed(0, "time: 5") << 23 << Kind::RepeatedKey;
    QTest::newRow("no goal") << changed(5, "") << 22 << Kind::MissingKey;
    QTest::newRow("not a number") << changed(4, "start: 1 x") << 4 << Kind::BadValue;
    QTest::newRow("one number") << changed(4, "start: 1") << 4 << Kind::BadValue;
    QTest::newRow("past the grid") << changed(4, "start: 1 129") << 4 << Kind::OutOfRange;
    QTest::newRow("width 0") << changed(7, "size: 0x2") << 7 << Kind::OutOfRange;
    QTest::newRow("time past 16 bits") << changed(3, "time: 32768") << 3 << Kind::OutOfRange;
    QTest::newRow("no quotes") << changed(2, "title: abc") << 2 << Kind::BadValue;
    QTest::newRow("quote inside") << changed(2, "title: \"a\"b\"") << 2 << Kind::BadValue;
    QTest::newRow("unknown escape") << changed(2, "title: \"\\q\"") << 2 << Kind::BadEscape;
    QTest::newRow("half an escape") << changed(2, "title: \"\\x4\"") << 2 << Kind::BadEscape;
    QTest::newRow("no Shift-JIS") << changed(2, "title: \"\xF0\x9F\x98\x80\"") << 2
                                  << Kind::NotCp932;
    QTest::newRow("title too long")
        << changed(2, "title: \"" + QByteArray(MazeCodec::MaxTextLength + 1, 'a') + '"') << 2
        << Kind::TextTooLong;
    QTest::newRow("two characters") << changed(8, "legend: AB -3 7") << 8 << Kind::BadCharacter;
    QTest::newRow("legend twice") << changed(0, "legend: # 2 0") << 23 << Kind::RepeatedLegend;
    QTest::newRow("map first") << changed(7, "") + "size: 3x2\n" << 16 << Kind::MapBeforeSize;
    QTest::newRow("short row") << changed(17, "#.") << 17 << Kind::RowLength;
    QTest::newRow("map cut") << changed(-17, {}) << 17 << Kind::MapCut;
    QTest::newRow("unknown character") << changed(18, "rCZ") << 18 << Kind::UnknownCharacter;
    QTest::newRow("cells in the map") << changed(0, "cells: -1..0 0 #") << 23 << Kind::CellsInMap;
    QTest::newRow("cells twice") << changed(0, "cells: 3 1..2 #") << 23 << Kind::CellsRepeated;
    QTest::newRow("backward span") << changed(0, "cells: 4..3 0 #") << 23 << Kind::BadValue;
}

void TestMazeText::refused()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(Kind, kind);
    const MazeText::ReadResult r = MazeText::read(text);
    QVERIFY(!r.maze);
    QCOMPARE(r.problem.kind, kind);
    QCOMPARE(r.problem.line, line);
}

Q_DECLARE_METATYPE(Region)

void TestMazeText::regionText_data()
{
    QTest::addColumn<Region>("region");
    Region r = blankRegion(3, 2);
    r.cells = {{FirstWall, 0}, {19, 0}, {FirstFloor, ArrowLeft}, {-3, 7}, {0, 0}, {LastFloor, 0}};
    QTest::newRow("no markers") << r;
    r.start = QPoint(2, 1);
    r.goal = QPoint(0, 0);
    QTest::newRow("both markers") << r;
    Region wide = blankRegion(MapSizeMax, 1);
    wide.goal = QPoint(MapSizeMax - 1, 0);
    QTest::newRow("128 x 1, unset chips") << wide;
}

// A region's text is a maze text, which gives the region back exactly.
void TestMazeText::regionText()
{
    QFETCH(Region, region);
    const QByteArray text = RegionClipboard::toText(region);
    QVERIFY(MazeText::read(text).maze);
    const RegionClipboard::TextRead back = RegionClipboard::fromText(text);
    QVERIFY(back.region);
    QVERIFY(*back.region == region);
}

// A whole maze's text: the cells of its map and the markers on it; a text
// the reader refuses, with the reader's problem.
void TestMazeText::mazeTextAsRegion()
{
    const RegionClipboard::TextRead tiny = RegionClipboard::fromText(TinyText);
    QVERIFY(tiny.region);
    Region want = blankRegion(3, 2);
    want.cells = {{1, 0}, {7, 0}, {7, 4}, {8, 0}, {19, 0}, {7, 2}};
    want.start = QPoint(0, 0);
    want.goal = QPoint(2, 1);
    QVERIFY(*tiny.region == want);
    const RegionClipboard::TextRead cut = RegionClipboard::fromText(changed(5, ""));
    QVERIFY(!cut.region);
    QCOMPARE(cut.problem.kind, Kind::MissingKey);
    QCOMPARE(cut.problem.line, 22);
}

// The private form of a 2 x 1 region, (7, right arrow) and (-3, 19), the
// goal on its second cell.
const char RegionHex[] = "4f 52 56 52  01 00  02 00  01 00  02  00 00 00 00  01 00 00 00 "
                         "07 00 04 00  fd ff 13 00";

QByteArray patched(qsizetype at, const QByteArray& bytes)
{
    return hex(RegionHex).replace(at, bytes.size(), bytes);
}

void TestMazeText::regionBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("the region") << hex(RegionHex) << true;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("cut short") << hex(RegionHex).chopped(1) << false;
    QTest::newRow("a byte more") << hex(RegionHex) + '\0' << false;
    QTest::newRow("another magic") << patched(3, "S") << false;
    QTest::newRow("version 2") << patched(4, "\x02") << false;
    QTest::newRow("an unknown marker bit") << patched(10, "\x06") << false;
    QTest::newRow("the goal past the region") << patched(15, "\x02") << false;
    QTest::newRow("an absent start not at 0 0") << patched(11, "\x01") << false;
    QTest::newRow("width 0") << hex("4f525652 0100 0000 0100 00 0000 0000 0000 0000") << false;
    QTest::newRow("width 129") << hex("4f525652 0100 8100 0100 00 0000 0000 0000 0000") +
                                      QByteArray(129 * 4, 0)
                               << false;
}

// The layout against hand-written bytes, and every malformed form refused.
void TestMazeText::regionBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    Region want = blankRegion(2, 1);
    want.cells = {{FirstFloor, ArrowRight}, {-3, 19}};
    want.goal = QPoint(1, 0);
    if (valid)
        QCOMPARE(RegionClipboard::toBytes(want), bytes);
    const std::optional<Region> read = RegionClipboard::fromBytes(bytes);
    QCOMPARE(bool(read), valid);
    QVERIFY(!read || *read == want);
}

void TestMazeText::hugeInputs_data()
{
    QTest::addColumn<QByteArray>("start"); // what can be read
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<Kind>("kind"); // None: accepted
    const QByteArray longest = longestText();
    constexpr qsizetype Huge = 50 << 20;
    QTest::newRow("the longest text") << longest << longest.size() << Kind::None;
    QTest::newRow("the signature, then 50 MiB") << QByteArray(MazeText::Signature) + "\n\n"
                                                << Huge << Kind::TooLong;
    QTest::newRow("50 MiB of another text") << QByteArray("hi\n") << Huge << Kind::NotMazeText;
}

// Another program's text is refused on its signature or size before the rest
// is read (past `start` it cannot be); the private form likewise on its size.
void TestMazeText::hugeInputs()
{
    QFETCH(QByteArray, start);
    QFETCH(qsizetype, size);
    QFETCH(Kind, kind);
    const GuardedBytes text(start, size);
    QCOMPARE(MazeText::read(text.bytes()).problem.kind, kind);
    const GuardedBytes region(hex("4f525652 0100 8000 8000 00 0000 0000 0000 0000"), size);
    QCOMPARE(bool(RegionClipboard::fromBytes(region.bytes())), false);
}

QTEST_GUILESS_MAIN(TestMazeText)
#include "tst_mazetext.moc"
