// The editing rules on a bare picture: what each does to the maze, and that
// the picture then shows what the maze holds (as a full redraw draws it).

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "edit/Fill.h"
#include "edit/FreshMaze.h"
#include "edit/Paint.h"
#include "edit/SaveCheck.h"
#include "edit/SizeChange.h"
#include "edit/TimeValue.h"

#include <QTest>

using namespace orvane;

Q_DECLARE_METATYPE(MazeCell)

namespace {

// Records the cells drawn and the refreshes, in order.
class LoggingCanvas : public ImageCanvas {
public:
    using ImageCanvas::ImageCanvas;
    QStringList log;
    void markDirty(const QRect& r) override
    {
        log << QStringLiteral("draw %1,%2").arg(r.x() / ChipSize).arg(r.y() / ChipSize);
    }
    void refreshMap() override { log << QStringLiteral("refresh"); }
};

// An 8 x 6 map of walls with a floor row at y = 1, an arrow at (2, 1), the
// start at (0, 1) and the goal at (5, 1), drawn.
struct Fixture {
    std::unique_ptr<MazeState> maze = std::make_unique<MazeState>();
    LoggingCanvas canvas{ChipSheet::standard()};

    Fixture()
    {
        for (int x = 0; x <= 8; ++x)
            maze->grid.at(x, 1).Chip = FirstFloor;
        maze->grid.at(2, 1).Item = ArrowDown;
        maze->header.StartY = maze->header.GoalY = 1;
        maze->header.GoalX = 5;
        redraw();
    }
    void redraw()
    {
        RedrawMap(*maze, canvas, 8, 6);
        canvas.log.clear();
    }
    // The picture a full redraw of the maze as it stands gives (over the
    // picture as it is, which shows only under the codes drawn transparent).
    QImage redrawn() const
    {
        auto copy = std::make_unique<MazeState>(*maze);
        ImageCanvas picture(ChipSheet::standard(), canvas.image());
        RedrawMap(*copy, picture, copy->header.MapWidth, copy->header.MapHeight);
        return picture.image();
    }
};

} // namespace

class TestEditing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!ChipSheet::standard().isNull()); }
    void paintRule_data();
    void paintRule();
    void markerTool_data();
    void markerTool();
    void pointerMove_data();
    void pointerMove();
    void click_data();
    void click();
    void fill_data();
    void fill();
    void freshMaze();
    void sizeChange();
    void timeBoxValue_data();
    void timeBoxValue();
    void saveCheck_data();
    void saveCheck();
};

void TestEditing::paintRule_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<int>("chip"); // put there first; 0: as the fixture has it
    QTest::addColumn<MazeCell>("after");
    QTest::newRow("wall over an item") << 3 << QPoint(2, 1) << 0 << MazeCell{3, 0};
    QTest::newRow("floor on a wall") << 9 << QPoint(3, 3) << 0 << MazeCell{9, 0};
    QTest::newRow("floor under the start") << 8 << QPoint(0, 1) << 0 << MazeCell{8, 0};
    QTest::newRow("item on a floor") << 16 << QPoint(3, 1) << 0 << MazeCell{7, 4};
    QTest::newRow("item over an item") << 13 << QPoint(2, 1) << 0 << MazeCell{7, 1};
    QTest::newRow("item under the goal") << 15 << QPoint(5, 1) << 0 << MazeCell{7, 3};
    QTest::newRow("item on chip 16") << 14 << QPoint(3, 3) << 16 << MazeCell{16, 2};
    QTest::newRow("item on a wall refused") << 14 << QPoint(3, 3) << 0 << MazeCell{1, 0};
    QTest::newRow("item on chip 17 refused") << 14 << QPoint(3, 3) << 17 << MazeCell{17, 0};
    QTest::newRow("start tool paints nothing") << 17 << QPoint(3, 1) << 0 << MazeCell{7, 0};
}

void TestEditing::paintRule()
{
    QFETCH(int, code);
    QFETCH(QPoint, cell);
    QFETCH(int, chip);
    QFETCH(MazeCell, after);
    Fixture f;
    if (chip) {
        f.maze->grid.at(cell.x(), cell.y()).Chip = int16_t(chip);
        f.redraw();
    }
    const MazeCell before = f.maze->grid.at(cell.x(), cell.y());
    f.maze->SelectedChip = int16_t(code);
    const bool painted = PaintCell(*f.maze, f.canvas, cell.x(), cell.y());
    QCOMPARE(f.maze->grid.at(cell.x(), cell.y()), after);
    QCOMPARE(painted, !(after == before) || code <= LastFloor);
    QCOMPARE(f.canvas.log,
             painted ? QStringList{QStringLiteral("draw %1,%2").arg(cell.x()).arg(cell.y())}
                     : QStringList{});
    QCOMPARE(f.canvas.image(), f.redrawn()); // markers stay on top
}

void TestEditing::markerTool_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("moved");
    QTest::newRow("start onto an arrow") << 17 << QPoint(0, 1) << QPoint(2, 1) << true;
    QTest::newRow("goal onto a wall") << 18 << QPoint(5, 1) << QPoint(3, 3) << true;
    QTest::newRow("start onto the goal") << 17 << QPoint(0, 1) << QPoint(5, 1) << true;
    QTest::newRow("start off the goal") << 17 << QPoint(5, 1) << QPoint(3, 1) << true;
    QTest::newRow("goal off an arrow") << 18 << QPoint(2, 1) << QPoint(6, 1) << true;
    QTest::newRow("start on its own cell") << 17 << QPoint(0, 1) << QPoint(0, 1) << false;
    QTest::newRow("goal on its own cell") << 18 << QPoint(5, 1) << QPoint(5, 1) << false;
    QTest::newRow("floor code is no tool") << 7 << QPoint(0, 1) << QPoint(3, 1) << false;
}

void TestEditing::markerTool()
{
    QFETCH(int, code);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(bool, moved);
    Fixture f;
    MazeHeader& h = f.maze->header;
    int16_t& x = code == GoalCode ? h.GoalX : h.StartX;
    int16_t& y = code == GoalCode ? h.GoalY : h.StartY;
    x = int16_t(from.x());
    y = int16_t(from.y());
    f.redraw();
    const MazeCell before = f.maze->grid.at(to.x(), to.y());
    f.maze->SelectedChip = int16_t(code);

    QCOMPARE(PlaceMarker(*f.maze, f.canvas, to.x(), to.y()), moved);
    QCOMPARE(QPoint(x, y), moved ? to : from);
    QCOMPARE(f.maze->grid.at(to.x(), to.y()), moved ? (MazeCell{before.Chip, 0}) : before);
    const QStringList drawn{QStringLiteral("draw %1,%2").arg(to.x()).arg(to.y()),
                            QStringLiteral("draw %1,%2").arg(from.x()).arg(from.y())};
    QCOMPARE(f.canvas.log, moved ? drawn : QStringList{});
    QCOMPARE(f.canvas.image(), f.redrawn());
}

void TestEditing::pointerMove_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<int>("code");
    QTest::addColumn<QPoint>("cursor");
    QTest::addColumn<QStringList>("log");
    const QStringList none;
    const QStringList painted{"refresh", "draw 2,3"};
    QTest::newRow("left drag") << QPoint(40, 63) << 1 << false << 9 << QPoint(2, 3) << painted;
    QTest::newRow("left drag, item")
        << QPoint(40, 20) << 1 << false << 13 << QPoint(2, 1) << QStringList{"refresh", "draw 2,1"};
    QTest::newRow("right") << QPoint(40, 63) << 2 << false << 9 << QPoint(2, 3) << none;
    QTest::newRow("left and right") << QPoint(40, 63) << 3 << false << 9 << QPoint(2, 3) << none;
    QTest::newRow("left and middle") << QPoint(40, 63) << 5 << false << 9 << QPoint(2, 3) << none;
    QTest::newRow("no button") << QPoint(40, 63) << 0 << false << 9 << QPoint(2, 3) << none;
    QTest::newRow("start tool") << QPoint(40, 63) << 1 << false << 17 << QPoint(2, 3)
                                << QStringList{"refresh"};
    QTest::newRow("left of the picture")
        << QPoint(-1, 20) << 1 << false << 9 << QPoint(0, 1) << none;
    QTest::newRow("below the picture") << QPoint(20, 96) << 1 << false << 9 << QPoint(1, 6) << none;
    QTest::newRow("hourglass") << QPoint(40, 63) << 1 << true << 9 << QPoint(2, 3) << none;
}

void TestEditing::pointerMove()
{
    QFETCH(QPoint, pixel);
    QFETCH(int, buttons);
    QFETCH(bool, busy);
    QFETCH(int, code);
    QFETCH(QPoint, cursor);
    QFETCH(QStringList, log);
    Fixture f;
    f.maze->SelectedChip = int16_t(code);
    const MazeHeader header = f.maze->header;
    MapPointerMoved(*f.maze, f.canvas, pixel.x(), pixel.y(), buttons, busy);
    QCOMPARE(QPoint(f.maze->MapMouseX, f.maze->MapMouseY), pixel);
    QCOMPARE(QPoint(f.maze->CursorX, f.maze->CursorY), cursor);
    QCOMPARE(f.canvas.log, log);
    QCOMPARE(f.maze->header, header);
    QCOMPARE(f.canvas.image(), f.redrawn());
}

void TestEditing::click_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("refreshed");
    QTest::newRow("chip") << QPoint(40, 60) << false << 3 << true;
    QTest::newRow("the same chip again") << QPoint(40, 60) << false << 1 << true;
    QTest::newRow("item on a wall") << QPoint(40, 60) << false << 13 << false;
    QTest::newRow("start moved") << QPoint(40, 60) << false << 17 << true;
    QTest::newRow("goal on its own cell") << QPoint(80, 16) << false << 18 << false;
    QTest::newRow("right of the picture") << QPoint(128, 16) << false << 3 << false;
    QTest::newRow("hourglass") << QPoint(40, 60) << true << 3 << false;
}

void TestEditing::click()
{
    QFETCH(QPoint, pixel);
    QFETCH(bool, busy);
    QFETCH(int, code);
    QFETCH(bool, refreshed);
    Fixture f;
    f.maze->SelectedChip = int16_t(code);
    MapPointerMoved(*f.maze, f.canvas, pixel.x(), pixel.y(), 0, false);
    const QImage before = f.canvas.image();
    QCOMPARE(MapClicked(*f.maze, f.canvas, busy), refreshed);
    QCOMPARE(f.canvas.log.value(f.canvas.log.size() - 1) == "refresh", refreshed);
    QCOMPARE(f.canvas.image() != before, refreshed && code != FirstWall);
    QCOMPARE(f.canvas.image(), f.redrawn());
}

void TestEditing::fill_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("filled");
    QTest::newRow("wall 4") << 4 << true;
    QTest::newRow("floor 12") << 12 << true;
    QTest::newRow("item") << 13 << false;
    QTest::newRow("start") << 17 << false;
    QTest::newRow("goal") << 18 << false;
}

void TestEditing::fill()
{
    QFETCH(int, code);
    QFETCH(bool, filled);
    Fixture f;
    f.maze->grid.at(9, 2).Chip = 10;
    f.maze->SelectedChip = int16_t(code);
    auto before = std::make_unique<MazeState>(*f.maze);
    QCOMPARE(FillMap(*f.maze, f.canvas), filled);
    for (int y = GridMin; y <= GridMax; ++y) {
        for (int x = GridMin; x <= GridMax; ++x) {
            const bool inside = filled && x >= 0 && x <= 8 && y >= 0 && y <= 6;
            const MazeCell old = before->grid.at(x, y);
            QCOMPARE(f.maze->grid.at(x, y), inside ? (MazeCell{int16_t(code), old.Item}) : old);
        }
    }
    QCOMPARE(f.canvas.log.isEmpty(), !filled);
    if (filled)
        QCOMPARE(f.canvas.log.last(), "refresh");
    QCOMPARE(f.canvas.image(), f.redrawn()); // the arrow shows over the new chip
}

void TestEditing::freshMaze()
{
    // What a maze loaded in the player leaves behind.
    Fixture f;
    MazeState& m = *f.maze;
    m.header.Title = "old";
    m.header.MusicFile = "old.mid";
    m.header.TimeLimit = NoTimeLimit;
    m.grid.at(3, 3) = {9, 2};
    m.grid.at(40, 2) = {7, 0};
    m.grid.at(-1, 0) = {8, 0};
    m.CursorX = 7;
    m.TimeLeft = 5;
    m.SelectedChip = 15;
    m.ChipCol = 2;
    m.ChipRow = 2;
    LoggingCanvas canvas(ChipSheet::standard(), QImage(512, 512, QImage::Format_RGB32));

    OpenFreshMaze(m, canvas);
    auto expected = std::make_unique<MazeState>();
    expected->header.TimeLimit = 60;
    expected->header.GoalX = expected->header.GoalY = 31;
    expected->header.MapWidth = expected->header.MapHeight = 32;
    for (int y = 0; y <= 32; ++y)
        for (int x = 0; x <= 32; ++x)
            expected->grid.at(x, y).Chip = 1;
    expected->SelectedChip = 1;
    QCOMPARE(m.header, expected->header);
    QVERIFY(m.grid == expected->grid);
    QCOMPARE(m.CursorX, 0);
    QCOMPARE(m.TimeLeft, 0);
    QCOMPARE(QPoint(m.ChipCol, m.ChipRow), QPoint(0, 0));
    QCOMPARE(m.SelectedChip, 1);
    QVERIFY(!StartAndGoalValid(m)); // saving it at once is refused
    QCOMPARE(canvas.log.last(), "refresh");
    QCOMPARE(canvas.image(), f.redrawn());
}

void TestEditing::sizeChange()
{
    auto maze = std::make_unique<MazeState>();
    ImageCanvas canvas(ChipSheet::standard());
    QVERIFY(ChangeMapSize(*maze, canvas, {32, 32}));
    QVERIFY(ChangeMapSize(*maze, canvas, {64, 64}));
    maze->grid.at(40, 50) = {9, 3};
    QVERIFY(ChangeMapSize(*maze, canvas, {32, 32}));
    QCOMPARE(canvas.image().size(), QSize(512, 512));
    QCOMPARE(maze->grid.at(40, 50), (MazeCell{9, 3})); // hidden, kept
    QCOMPARE(maze->grid.at(64, 64).Chip, 1);
    QCOMPARE(maze->grid.at(65, 64).Chip, 0);
    QVERIFY(ChangeMapSize(*maze, canvas, {96, 64}));
    QCOMPARE(QPoint(maze->header.MapWidth, maze->header.MapHeight), QPoint(96, 64));

    for (size_t i = 0; i < MapSizes.size(); ++i)
        QCOMPARE(sizeChoiceOf(MapSizes[i]), std::optional<size_t>(i));
    QCOMPARE(sizeChoiceOf({96, 32}), std::nullopt);
    QCOMPARE(sizeChoiceOf({10, 12}), std::nullopt);
}

void TestEditing::timeBoxValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // 99999: does not fit
    const int none = 99999;
    const std::pair<const char*, int> rows[] = {
        {"", 0},
        {"60", 60},
        {"abc", 0},
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"1.5", 2},
        {".5", 0},
        {"-7", -7},
        {"+5", 5},
        {" 12", 12},
        {"1 2", 12},
        {"\t7\n", 7},
        {"12abc", 12},
        {"1.2.3", 1},
        {"--7", 0},
        {"1e3", 1000},
        {"1E3", 1000},
        {"1d2", 100},
        {"1e", 1},
        {"1e-3", 0},
        {"5e-1", 0},
        {"e3", 0},
        {"-", 0},
        {"32767", 32767},
        {"32767.5", none},
        {"-32768.5", -32768},
        {"-32769", none},
        {"9e9", none},
        {"1e99999999", none},
        {"0.00001e9", 10000},
        {"1e-99999", 0},
    };
    for (const auto& [text, value] : rows)
        QTest::newRow(text) << QString::fromLatin1(text) << value;
}

void TestEditing::timeBoxValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<int16_t> got = TimeBoxValue(text);
    QCOMPARE(got.has_value(), value != 99999);
    if (got)
        QCOMPARE(int(*got), value);
}

void TestEditing::saveCheck_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("goal");
    QTest::addColumn<bool>("valid");
    // Floors in row 1, walls elsewhere; chip 19 at (6, 3).
    QTest::newRow("both on floors") << QPoint(0, 1) << QPoint(5, 1) << true;
    QTest::newRow("start on a wall") << QPoint(0, 0) << QPoint(5, 1) << false;
    QTest::newRow("goal on a wall") << QPoint(0, 1) << QPoint(5, 2) << false;
    QTest::newRow("goal on chip 19") << QPoint(0, 1) << QPoint(6, 3) << true;
    QTest::newRow("start in the margin") << QPoint(-1, 1) << QPoint(5, 1) << false;
    QTest::newRow("start outside the grid") << QPoint(-6, 1) << QPoint(5, 1) << false;
    QTest::newRow("goal outside the grid") << QPoint(0, 1) << QPoint(129, 1) << false;
}

void TestEditing::saveCheck()
{
    QFETCH(QPoint, start);
    QFETCH(QPoint, goal);
    QFETCH(bool, valid);
    Fixture f;
    f.maze->grid.at(6, 3).Chip = 19;
    MazeHeader& h = f.maze->header;
    h.StartX = int16_t(start.x());
    h.StartY = int16_t(start.y());
    h.GoalX = int16_t(goal.x());
    h.GoalY = int16_t(goal.y());
    QCOMPARE(StartAndGoalValid(*f.maze), valid);
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
