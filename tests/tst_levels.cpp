// The level list's model: a folder's mazes in the order people count, the
// player's progress on them and what a screen reader says of each; a list
// that follows its folder and the records as they change.

#include "ImageCanvas.h"
#include "LevelList.h"
#include "MapRedraw.h"
#include "MazeFile.h"
#include "MazeFileMessages.h"
#include "Records.h"
#include "TestMazes.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace orvane;
using namespace orvane::test;

namespace {

using Kept = std::map<QByteArray, MazeRecord>;

// A corridor from the start (1, 2) to the goal (5, 2); `holes` leaves cells
// of the map unset, which the player's redraw walls before the game.
MazeData corridor(const QByteArray& title, bool holes = false)
{
    MazeData m = abcMaze();
    m.header.Title = title;
    m.header.GoalX = 5;
    m.header.GoalY = 2;
    for (int x = 1; x <= 5; ++x)
        m.grid.at(x, 2).Chip = FirstFloor;
    if (holes)
        m.grid.at(10, 10).Chip = m.grid.at(20, 7).Chip = UnsetChip;
    return m;
}

// The key a game on the file is recorded under: the maze as the player shows it.
QByteArray playedKey(const QString& file)
{
    MazeState maze;
    MazeFile::load(file, maze);
    ImageCanvas canvas(ChipSheet::standard());
    RedrawMap(maze, canvas, maze.header.MapWidth, maze.header.MapHeight);
    return recordKey(maze.header, maze.grid);
}

LevelList::RecordLookup lookupIn(const Kept& kept)
{
    return [&kept](const QByteArray& key) {
        const auto it = kept.find(key);
        return it == kept.end() ? std::nullopt : std::optional(it->second);
    };
}

MazeRecord best(int seconds, int keys)
{
    const QDateTime date = QDateTime::currentDateTimeUtc();
    return {{seconds, date}, {keys, date}, date};
}

// Everything a row shows, its thumbnail's pixels included.
QStringList shown(const LevelList& list)
{
    QStringList rows;
    for (int i = 0; i < list.rowCount(); ++i)
        rows
            << QStringLiteral("%1 | %2 | %3 | %4")
                   .arg(
                       list.accessibleName(i),
                       list.data(list.index(i, LevelList::TitleColumn), Qt::DisplayRole).toString(),
                       list.data(list.index(i, LevelList::TimeColumn), Qt::DisplayRole).toString())
                   .arg(qHashBits(list.level(i).thumbnail.constBits(),
                                  size_t(list.level(i).thumbnail.sizeInBytes())));
    return rows << list.countText();
}

} // namespace

class TestLevels : public QObject {
    Q_OBJECT

private slots:
    void progress_data();
    void progress();
    void followsFolderAndRecords_data();
    void followsFolderAndRecords();
};

void TestLevels::progress_data()
{
    QTest::addColumn<QStringList>("solved"); // names recorded, at 7 s and 32 keys
    QTest::addColumn<QStringList>("names");  // what a screen reader says of each row
    QTest::addColumn<QString>("count");
    const QString a = "2-a, 難しさ 1, ", b = "10-b, 難しさ 1, ", bests = "ベスト 7秒 32キー";
    QTest::newRow("nothing solved")
        << QStringList{} << QStringList{a + "未クリア", b + "未クリア"} << "0 / 2 クリア";
    QTest::newRow("recorded as played")
        << QStringList{"2-a"} << QStringList{a + bests, b + "未クリア"} << "1 / 2 クリア";
    QTest::newRow("all solved") << QStringList{"2-a", "10-b"} << QStringList{a + bests, b + bests}
                                << "2 / 2 クリア";
}

// Rows in the order people count, each with its bests, an unreadable file
// with its reason; only .mdt files.
void TestLevels::progress()
{
    QFETCH(QStringList, solved);
    QFETCH(QStringList, names);
    QFETCH(QString, count);
    QTemporaryDir dir;
    const MazeData a = corridor("A", true), b = corridor("B");
    QVERIFY(MazeFile::write(dir.filePath("2-a.mdt"), a.header, a.grid).ok());
    QVERIFY(MazeFile::write(dir.filePath("10-b.mdt"), b.header, b.grid).ok());
    writeBytes(dir.filePath("3-x.mdt"), hex("03 00 61 62"));
    writeBytes(dir.filePath("notes.txt"), "notes");
    Kept kept;
    for (const QString& name : solved)
        kept[playedKey(dir.filePath(name + ".mdt"))] = best(7, 32);

    LevelList list(lookupIn(kept));
    list.open(dir.path());
    QTRY_VERIFY(!list.detailsPending());
    const QString broken = dir.filePath("3-x.mdt");
    const QString reason = fileProblemText(MazeFile::read(broken).error.problem, broken);
    names.insert(1, "3-x, 読めないファイル: " + reason);
    QCOMPARE(list.rowCount(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(list.data(list.index(i, 0), Qt::AccessibleTextRole).toString(), names[i]);
    QCOMPARE(list.countText(), count);
    QCOMPARE(list.data(list.index(1, LevelList::TitleColumn), Qt::DisplayRole).toString(),
             "読めません: " + reason);
    for (int i : {0, 2}) {
        const bool isSolved = names[i].endsWith("キー");
        QCOMPARE(list.data(list.index(i, LevelList::SolvedColumn), Qt::DisplayRole).toString(),
                 isSolved ? "○" : "");
        QCOMPARE(list.data(list.index(i, LevelList::KeysColumn), Qt::DisplayRole).toString(),
                 isSolved ? "32キー" : "");
        QVERIFY(!list.level(i).thumbnail.isNull());
    }
    LevelList firstTwo(lookupIn(kept), 2);
    firstTwo.open(dir.path());
    QCOMPARE(firstTwo.rowCount(), 2);
    QCOMPARE(firstTwo.filesLeftOut(), 1);
}

void TestLevels::followsFolderAndRecords_data()
{
    QTest::addColumn<int>("seed");
    for (int seed : {1, 2, 3, 4})
        QTest::addRow("seed %d", seed) << seed;
}

// Random files written, broken and removed, games recorded, lists closed,
// the view scrolled, while thumbnails and grades are being made: the list
// then shows what a list opened afresh shows.
void TestLevels::followsFolderAndRecords()
{
    QFETCH(int, seed);
    QRandomGenerator rng{quint32(seed)};
    QTemporaryDir dir;
    const QStringList names{"1-a.mdt", "2-b.mdt", "10-c.mdt", "x.mdt"};
    Kept kept;
    auto list = std::make_unique<LevelList>(lookupIn(kept));
    list->open(dir.path());
    for (int step = 0; step < 60; ++step) {
        const QString file = dir.filePath(names[rng.bounded(names.size())]);
        const int action = rng.bounded(20);
        if (action < 5) { // each write its own size: a title one longer
            MazeData m = corridor(QByteArray(step + 1, 'a'), rng.bounded(2));
            m.header.GoalX = int16_t(5 + rng.bounded(20)); // another picture
            for (int x = 5; x <= m.header.GoalX; ++x)
                m.grid.at(x, 2).Chip = FirstFloor;
            if (rng.bounded(2))
                m.grid.at(3, 2).Chip = FirstWall; // another grade: none
            QVERIFY(MazeFile::write(file, m.header, m.grid).ok());
        } else if (action < 7) {
            writeBytes(file, hex("03 00 61 62"));
        } else if (action < 9) {
            QFile::remove(file);
        } else if (action < 15) {
            if (MazeFile::read(file).ok()) {
                kept[playedKey(file)] = best(step, step + 4);
                list->recordsChanged();
            }
        } else if (action < 19) {
            list->showRows(rng.bounded(4), rng.bounded(4));
        } else {
            list = std::make_unique<LevelList>(lookupIn(kept));
            list->open(dir.path());
        }
        if (rng.bounded(2))
            list->refresh();
        else
            QCoreApplication::processEvents();
    }
    // The last change is read by the folder's watcher.
    const MazeData last = corridor("last");
    QVERIFY(MazeFile::write(dir.filePath("3-d.mdt"), last.header, last.grid).ok());
    LevelList fresh(lookupIn(kept));
    fresh.open(dir.path());
    QTRY_VERIFY(!fresh.detailsPending());
    QTRY_COMPARE(shown(*list), shown(fresh));
}

QTEST_MAIN(TestLevels)
#include "tst_levels.moc"
