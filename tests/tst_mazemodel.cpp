#include "Cp932.h"
#include "MazeConstants.h"
#include "MazeState.h"

#include <QTest>

using namespace orvane;

class TestMazeModel : public QObject {
    Q_OBJECT

private slots:
    void startsZeroed();
    void cellIndex_data();
    void cellIndex();
    void gridBounds_data();
    void gridBounds();
    void cp932_data();
    void cp932();
    void cp932InvalidBytes();
    void cp932Unencodable();
};

void TestMazeModel::startsZeroed()
{
    auto maze = std::make_unique<MazeState>();
    QCOMPARE(maze->header, MazeHeader{});
    QVERIFY(maze->header.Title.isEmpty() && maze->header.MusicFile.isEmpty());
    for (const MazeCell& c : maze->grid.cells())
        QCOMPARE(c, MazeCell{});
    QCOMPARE(maze->SelectedChip, 0);
    QCOMPARE(maze->MapMouseX, 0);
}

void TestMazeModel::cellIndex_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("element");
    QTest::newRow("first (-5, -5)") << -5 << -5 << 0;
    QTest::newRow("next column (-4, -5)") << -4 << -5 << 1;
    QTest::newRow("next row (-5, -4)") << -5 << -4 << 134;
    QTest::newRow("origin (0, 0)") << 0 << 0 << 675;
    QTest::newRow("(12, 7)") << 12 << 7 << 12 * 134 + 17;
    QTest::newRow("last (128, 128)") << 128 << 128 << 17955;
}

void TestMazeModel::cellIndex()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, element);
    QCOMPARE(MazeGrid::index(x, y), element);

    MazeGrid grid;
    grid.at(x, y) = {7, 3};
    QCOMPARE(grid.cells()[element], (MazeCell{7, 3}));
}

void TestMazeModel::gridBounds_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("inside");
    QTest::newRow("corner low") << -5 << -5 << true;
    QTest::newRow("corner high") << 128 << 128 << true;
    QTest::newRow("x below") << -6 << 0 << false;
    QTest::newRow("y below") << 0 << -6 << false;
    QTest::newRow("x above") << 129 << 0 << false;
    QTest::newRow("y above") << 0 << 129 << false;
}

void TestMazeModel::gridBounds()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, inside);
    MazeGrid grid;
    QCOMPARE(MazeGrid::contains(x, y), inside);
    QCOMPARE(grid.find(x, y) != nullptr, inside);
}

void TestMazeModel::cp932_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("ascii") << QStringLiteral("abc") << QByteArray("abc");
    QTest::newRow("迷路") << QStringLiteral("迷路") << QByteArray::fromHex("96C09848");
    QTest::newRow("three kanji take six bytes")
        << QStringLiteral("迷路館") << QByteArray::fromHex("96C09848 8AD9");
    QTest::newRow("0x5C is a backslash")
        << QStringLiteral("C:\\midi\\a.mid") << QByteArray("C:\\midi\\a.mid");
    QTest::newRow("half-width katakana")
        << QStringLiteral("ｻｲｽﾞ") << QByteArray::fromHex("BBB2BDDE");
    QTest::newRow("NEC row 13 circled one") << QStringLiteral("①") << QByteArray::fromHex("8740");
}

void TestMazeModel::cp932()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    bool lossless = false;
    QCOMPARE(Cp932::fromUnicode(text, &lossless), bytes);
    QVERIFY(lossless);
    QCOMPARE(Cp932::toUnicode(bytes), text);
}

void TestMazeModel::cp932InvalidBytes()
{
    // 0x81 0x20 is a lead byte without a valid trail; 0xA0 is unassigned.
    const QString text = Cp932::toUnicode(QByteArray::fromHex("41 8120 42 A0 43 81"));
    QCOMPARE(text.front(), u'A');
    QVERIFY(text.contains(u'B') && text.contains(u'C'));
    QVERIFY(text.contains(QChar(0xFFFD)));
}

void TestMazeModel::cp932Unencodable()
{
    bool lossless = true;
    QCOMPARE(Cp932::fromUnicode(QStringLiteral("a😀b€"), &lossless), QByteArray("a?b?"));
    QVERIFY(!lossless);
}

QTEST_APPLESS_MAIN(TestMazeModel)
#include "tst_mazemodel.moc"
