// The editing rules on a bare picture: what each does to the maze, and that
// the picture then shows what the maze holds, as a full redraw draws it.

#include "ChipSheet.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "edit/EditHistory.h"
#include "edit/Fill.h"
#include "edit/FloodFill.h"
#include "edit/FreshMaze.h"
#include "edit/Line.h"
#include "edit/Paint.h"
#include "edit/Picker.h"
#include "edit/RectanglePaint.h"
#include "edit/RegionPlace.h"
#include "edit/SaveCheck.h"
#include "edit/SelectionTurn.h"
#include "edit/ShownCells.h"
#include "edit/SizeChange.h"
#include "edit/TimeValue.h"
#include "edit/ToolSteps.h"
#include "support/TextMazes.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <malloc.h>

using namespace orvane;
using namespace orvane::test;

Q_DECLARE_METATYPE(MazeCell)
Q_DECLARE_METATYPE(TurnOrMirror)

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

// A full redraw of the maze as it stands, over the picture as it is (which
// shows only under the codes drawn transparent).
QImage redrawnOf(const MazeState& maze, const ImageCanvas& canvas)
{
    auto copy = std::make_unique<MazeState>(maze);
    ImageCanvas picture(ChipSheet::standard(), canvas.image());
    RedrawMap(*copy, picture, copy->header.MapWidth, copy->header.MapHeight);
    return picture.image();
}

// An 8 x 6 map of walls, floors in row 1 with an arrow at (2, 1), chips 16
// and 17 at (6, 3) and (7, 3), start and goal together at (5, 1), drawn.
struct Fixture {
    std::unique_ptr<MazeState> maze = std::make_unique<MazeState>();
    LoggingCanvas canvas{ChipSheet::standard()};

    Fixture()
    {
        for (int x = 0; x <= 8; ++x)
            maze->grid.at(x, 1).Chip = FirstFloor;
        maze->grid.at(2, 1).Item = ArrowDown;
        maze->grid.at(6, 3).Chip = 16;
        maze->grid.at(7, 3).Chip = 17;
        maze->header.StartX = maze->header.GoalX = 5;
        maze->header.StartY = maze->header.GoalY = 1;
        RedrawMap(*maze, canvas, 8, 6);
        canvas.log.clear();
    }
    QImage redrawn() const { return redrawnOf(*maze, canvas); }
};

// The cell under a pixel (QPoint's own division rounds).
QPoint cellOf(QPoint pixel)
{
    return {pixel.x() / ChipSize, pixel.y() / ChipSize};
}

// A region drawn as text (support/TextMazes.h), with its markers.
Region regionOf(const QStringList& rows, std::optional<QPoint> start = {},
                std::optional<QPoint> goal = {})
{
    Region r = blankRegion(int(rows[0].size()), int(rows.size()));
    for (int y = 0; y < r.height; ++y)
        for (int x = 0; x < r.width; ++x)
            r.at(x, y) = test::cellOf(rows[y][x]);
    r.start = start;
    r.goal = goal;
    return r;
}

enum class Tool { Rectangle, Outline, Drag, Flood, Paste, PasteWithMarkers, TurnOrMirror };

} // namespace

Q_DECLARE_METATYPE(Tool)

class TestEditing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!ChipSheet::standard().isNull()); }
    void click_data();
    void click();
    void drag_data();
    void drag();
    void fill_data();
    void fill();
    void regionTurn_data();
    void regionTurn();
    void lineCells_data();
    void lineCells();
    void tools_data();
    void tools();
    void picker_data();
    void picker();
    void freshMaze();
    void sizeChange();
    void timeBoxValue_data();
    void timeBoxValue();
    void saveCheck_data();
    void saveCheck();
    void undoRedo_data();
    void undoRedo();
    void historyBoundedInMemory();
    void historyCountsWholeSteps();
    void stepsOfTwoKindsNeverMix();
    void toolStateFollowsEveryChange_data();
    void toolStateFollowsEveryChange();
};

void TestEditing::click_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<MazeCell>("after"); // the cell clicked
    QTest::addColumn<bool>("refreshed");
    QTest::addColumn<QPoint>("marker"); // start or goal, after
    const QPoint same(5, 1);
    QTest::newRow("wall over an arrow") << 3 << QPoint(40, 20) << false << MazeCell{3, 0} << true;
    QTest::newRow("floor under the markers")
        << 8 << QPoint(88, 20) << false << MazeCell{8, 0} << true;
    QTest::newRow("the same chip again") << 1 << QPoint(40, 60) << false << MazeCell{1, 0} << true;
    QTest::newRow("arrow on a floor") << 16 << QPoint(56, 20) << false << MazeCell{7, 4} << true;
    QTest::newRow("arrow over an arrow") << 13 << QPoint(40, 20) << false << MazeCell{7, 1} << true;
    QTest::newRow("arrow on chip 16") << 14 << QPoint(104, 56) << false << MazeCell{16, 2} << true;
    QTest::newRow("arrow on chip 17") << 14 << QPoint(120, 56) << false << MazeCell{17, 0} << false;
    QTest::newRow("arrow on a wall") << 13 << QPoint(40, 60) << false << MazeCell{1, 0} << false;
    QTest::newRow("start onto an arrow")
        << 17 << QPoint(40, 20) << false << MazeCell{7, 0} << true << QPoint(2, 1);
    QTest::newRow("goal onto a wall")
        << 18 << QPoint(40, 60) << false << MazeCell{1, 0} << true << QPoint(2, 3);
    QTest::newRow("start on its own cell")
        << 17 << QPoint(88, 20) << false << MazeCell{7, 0} << false << same;
    QTest::newRow("outside the picture")
        << 3 << QPoint(128, 16) << false << MazeCell{7, 0} << false;
    QTest::newRow("hourglass") << 3 << QPoint(40, 60) << true << MazeCell{1, 0} << false;
}

void TestEditing::click()
{
    QFETCH(int, code);
    QFETCH(QPoint, pixel);
    QFETCH(bool, busy);
    QFETCH(MazeCell, after);
    QFETCH(bool, refreshed);
    Fixture f;
    f.maze->SelectedChip = int16_t(code);
    MapPointerMoved(*f.maze, pixel.x(), pixel.y());
    QCOMPARE(MapClicked(*f.maze, f.canvas, busy), refreshed);
    const QPoint cell = cellOf(pixel);
    QCOMPARE(f.maze->grid.at(cell.x(), cell.y()), after);
    if (code >= StartCode) {
        QFETCH(QPoint, marker);
        const MazeHeader& h = f.maze->header;
        QCOMPARE(code == StartCode ? QPoint(h.StartX, h.StartY) : QPoint(h.GoalX, h.GoalY), marker);
    }
    QCOMPARE(f.canvas.log.value(f.canvas.log.size() - 1) == "refresh", refreshed);
    QCOMPARE(f.canvas.log.size() > 0, refreshed);
    QCOMPARE(f.canvas.image(), f.redrawn()); // markers and arrows never hidden
}

void TestEditing::drag_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("log");
    const QStringList painted{"draw 2,3", "refresh"};
    QTest::newRow("left") << QPoint(40, 63) << 1 << false << 9 << painted;
    QTest::newRow("right") << QPoint(40, 63) << 2 << false << 9 << QStringList();
    QTest::newRow("left and right") << QPoint(40, 63) << 3 << false << 9 << QStringList();
    QTest::newRow("left and middle") << QPoint(40, 63) << 5 << false << 9 << QStringList();
    QTest::newRow("no button") << QPoint(40, 63) << 0 << false << 9 << QStringList();
    QTest::newRow("start tool") << QPoint(40, 63) << 1 << false << 17 << QStringList();
    QTest::newRow("left of the picture") << QPoint(-1, 20) << 1 << false << 9 << QStringList();
    QTest::newRow("below the picture") << QPoint(20, 96) << 1 << false << 9 << QStringList();
    QTest::newRow("hourglass") << QPoint(40, 63) << 1 << true << 9 << QStringList();
}

void TestEditing::drag()
{
    QFETCH(QPoint, pixel);
    QFETCH(int, buttons);
    QFETCH(bool, busy);
    QFETCH(int, code);
    QFETCH(QStringList, log);
    Fixture f;
    f.maze->SelectedChip = int16_t(code);
    const MazeHeader header = f.maze->header;
    MapPointerMoved(*f.maze, pixel.x(), pixel.y());
    QCOMPARE(DragPaintLine(*f.maze, f.canvas, cellOf(pixel), buttons, busy), log.size() == 2);
    QCOMPARE(QPoint(f.maze->MapMouseX, f.maze->MapMouseY), pixel);
    QCOMPARE(QPoint(f.maze->CursorX, f.maze->CursorY), cellOf(pixel));
    QCOMPARE(f.canvas.log, log);
    QCOMPARE(f.maze->grid.at(2, 3).Chip, log.size() == 2 ? 9 : 1);
    QCOMPARE(f.maze->header, header);
}

void TestEditing::fill_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("filled");
    QTest::newRow("wall 4") << 4 << true;
    QTest::newRow("floor 12") << 12 << true;
    QTest::newRow("arrow") << 13 << false;
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
            MazeCell want = before->grid.at(x, y);
            if (filled && x >= 0 && x <= 8 && y >= 0 && y <= 6)
                want.Chip = int16_t(code); // the item stays
            QCOMPARE(f.maze->grid.at(x, y), want);
        }
    }
    QCOMPARE(f.canvas.log.value(f.canvas.log.size() - 1), filled ? "refresh" : "");
    QCOMPARE(f.canvas.image(), f.redrawn()); // the arrow shows over the new chip
}

void TestEditing::regionTurn_data()
{
    QTest::addColumn<TurnOrMirror>("turn");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("goal");
    // Turning {"^>#", "v<X"}, the start at (0, 1), the goal at (2, 0); X is
    // chip 13, an arrow's picture as terrain, which pushes nothing and stays.
    QTest::newRow("clockwise") << TurnOrMirror::TurnClockwise << QStringList{"<>", "^v", "X#"}
                               << QPoint(0, 0) << QPoint(1, 2);
    QTest::newRow("left to right") << TurnOrMirror::MirrorLeftRight << QStringList{"#<^", "X>v"}
                                   << QPoint(2, 1) << QPoint(0, 0);
    QTest::newRow("top to bottom") << TurnOrMirror::MirrorTopBottom << QStringList{"^<X", "v>#"}
                                   << QPoint(0, 0) << QPoint(2, 1);
}

void TestEditing::regionTurn()
{
    QFETCH(TurnOrMirror, turn);
    QFETCH(QStringList, rows);
    QFETCH(QPoint, start);
    QFETCH(QPoint, goal);
    const Region region = regionOf({"^>#", "v<X"}, QPoint(0, 1), QPoint(2, 0));
    QVERIFY(turnedOrMirrored(region, turn) == regionOf(rows, start, goal));
}

void TestEditing::lineCells_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QList<QPoint>>("cells");
    QTest::newRow("a slant") << QPoint(0, 0) << QPoint(5, 2)
                             << QList<QPoint>{{0, 0}, {1, 0}, {1, 1}, {2, 1},
                                              {3, 1}, {4, 1}, {4, 2}, {5, 2}};
    QTest::newRow("steep, up and left")
        << QPoint(2, 3) << QPoint(0, 0)
        << QList<QPoint>{{2, 3}, {2, 2}, {1, 2}, {1, 1}, {0, 1}, {0, 0}};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(2, 2)
                              << QList<QPoint>{{0, 0}, {0, 1}, {1, 1}, {1, 2}, {2, 2}};
    QTest::newRow("one cell") << QPoint(3, 3) << QPoint(3, 3) << QList<QPoint>{{3, 3}};
}

void TestEditing::lineCells()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QList<QPoint>, cells);
    const std::vector<QPoint> got = orvane::lineCells(from, to);
    QCOMPARE(QList<QPoint>(got.begin(), got.end()), cells);
}

// The map the tools work on (support/TextMazes.h), its start and goal.
const QStringList ToolMap{"..#.r.", ".^#.r.", "..#...", "######"};
constexpr QPoint ToolStart(4, 0);
constexpr QPoint ToolGoal(5, 1);

void TestEditing::tools_data()
{
    QTest::addColumn<Tool>("tool");
    QTest::addColumn<int>("code");
    QTest::addColumn<QRect>("cells"); // the selection; a line; the fill's or paste's cell
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("goal");
    const QPoint s = ToolStart;
    const QPoint g = ToolGoal;
    const int wall = FirstWall;
    const int red = FirstFloor + 1;
    QTest::newRow("walls on a rectangle")
        << Tool::Rectangle << wall << QRect(0, 0, 2, 2)
        << QStringList{"###.r.", "###.r.", "..#...", "######"} << s << g;
    QTest::newRow("arrows on a rectangle, not on its walls")
        << Tool::Rectangle << int(LastItemCode) << QRect(1, 1, 3, 2)
        << QStringList{"..#.r.", ".>#>r.", ".>#>..", "######"} << s << g;
    QTest::newRow("the start tool")
        << Tool::Rectangle << int(StartCode) << QRect(0, 0, 6, 4) << ToolMap << s << g;
    QTest::newRow("a rectangle past the map's edge")
        << Tool::Rectangle << red << QRect(4, 2, 5, 5)
        << QStringList{"..#.r.", ".^#.r.", "..#.rr", "####rr"} << s << g;
    QTest::newRow("an outline") << Tool::Outline << wall << QRect(3, 0, 3, 3)
                                << QStringList{"..####", ".^##r#", "..####", "######"} << s << g;
    QTest::newRow("a quick drag leftwards from the pressed cell")
        << Tool::Drag << red << QRect(QPoint(0, 2), QPoint(3, 2))
        << QStringList{"..#.r.", ".^#.r.", "rrrr..", "######"} << s << g;
    QTest::newRow("a flood fill stops at another item")
        << Tool::Flood << red << QRect(0, 0, 1, 1)
        << QStringList{"rr#.r.", "r^#.r.", "rr#...", "######"} << s << g;
    QTest::newRow("arrows flooding walls")
        << Tool::Flood << int(FirstItemCode) << QRect(2, 0, 1, 1) << ToolMap << s << g;
    QTest::newRow("a paste over the map's edge")
        << Tool::Paste << 0 << QRect(4, 2, 1, 1)
        << QStringList{"..#.r.", ".^#.r.", "..#.^v", "####<>"} << s << g;
    QTest::newRow("the same, with its markers: the start is cut off")
        << Tool::PasteWithMarkers << 0 << QRect(4, 2, 1, 1)
        << QStringList{"..#.r.", ".^#.r.", "..#.^v", "####<>"} << s << QPoint(4, 3);
    QTest::newRow("a paste with its markers")
        << Tool::PasteWithMarkers << 0 << QRect(0, 0, 1, 1)
        << QStringList{"^vr.r.", "<>#.r.", "..#...", "######"} << QPoint(2, 0) << QPoint(0, 1);
    // A turn: the selection as the TurnOrMirror enum's value in `code`.
    QTest::newRow("a quarter turn in place")
        << Tool::TurnOrMirror << int(TurnOrMirror::TurnClockwise) << QRect(0, 0, 2, 2)
        << QStringList{"..#.r.", ">.#.r.", "..#...", "######"} << s << g;
    QTest::newRow("a quarter turn about the centre leaves walls, the goal turns with its cell")
        << Tool::TurnOrMirror << int(TurnOrMirror::TurnClockwise) << QRect(3, 1, 3, 1)
        << QStringList{"..#...", ".^##r#", "..#...", "######"} << s << QPoint(4, 2);
    QTest::newRow("an even side turns about its middle cell nearer the top-left")
        << Tool::TurnOrMirror << int(TurnOrMirror::TurnClockwise) << QRect(0, 1, 4, 2)
        << QStringList{"....r.", "#.>#r.", "####..", "#..###"} << s << g;
    QTest::newRow("a quarter turn past the map's edge")
        << Tool::TurnOrMirror << int(TurnOrMirror::TurnClockwise) << QRect(0, 3, 3, 1) << ToolMap
        << s << g;
    QTest::newRow("a mirror top to bottom")
        << Tool::TurnOrMirror << int(TurnOrMirror::MirrorTopBottom) << QRect(1, 0, 1, 2)
        << QStringList{".v#.r.", "..#.r.", "..#...", "######"} << s << g;
}

// Each tool as one step of the history, on a 6 x 4 map: the maze after it,
// the picture a full redraw would give, drawn with one dirty rectangle and
// one refresh, and an undo that takes it all back (what the step watched
// covers what the tool changed).
void TestEditing::tools()
{
    QFETCH(Tool, tool);
    QFETCH(int, code);
    QFETCH(QRect, cells);
    QFETCH(QStringList, after);
    QFETCH(QPoint, start);
    QFETCH(QPoint, goal);
    auto maze = mazeOf({ToolMap, {0, 0}}, ToolStart, ToolGoal);
    MazeState& m = *maze;
    LoggingCanvas canvas(ChipSheet::standard());
    RedrawMap(m, canvas, 6, 4);
    canvas.log.clear();
    m.SelectedChip = int16_t(tool == Tool::TurnOrMirror ? FirstWall : code);
    const auto before = std::make_unique<MazeState>(m);
    EditHistory history(m);
    history.setCanvas(&canvas);
    const Region piece = regionOf({"^vr", "<>#"}, QPoint(2, 0), QPoint(0, 1));
    const QPoint at = cells.topLeft();
    const FloodArea area = floodArea(m, at);
    TurnOrMirrorResult turn;
    const auto step = [&](QRect watched, auto rule) {
        return history.step(EditKind::Paint, watched, rule);
    };
    bool changed = false;
    switch (tool) {
    case Tool::Rectangle:
        changed = step(shownPart(m, cells), [&] { return PaintRectangle(m, canvas, cells); });
        break;
    case Tool::Outline:
        changed = step(shownPart(m, cells), [&] { return PaintOutline(m, canvas, cells); });
        break;
    case Tool::Drag: // pressed at the bottom right, moved to the top left at once
        MapPointerMoved(m, at.x() * ChipSize + 8, at.y() * ChipSize + 8);
        changed = step(lineBounds(m, cells.bottomRight(), at), [&] {
            return DragPaintLine(m, canvas, cells.bottomRight(), MouseButton::Left, false);
        });
        break;
    case Tool::Flood:
        changed = step(area.bounds, [&] { return FloodFill(m, canvas, area); });
        break;
    case Tool::Paste:
    case Tool::PasteWithMarkers:
        changed = step(placedCells(m, piece, at), [&] {
            return PlaceRegion(m, canvas, piece, at, tool == Tool::PasteWithMarkers);
        });
        break;
    case Tool::TurnOrMirror:
        changed = step(turnOrMirrorCells(m, cells, TurnOrMirror(code)), [&] {
            turn = TurnOrMirrorSelection(m, canvas, cells, TurnOrMirror(code));
            return turn.changed;
        });
        QCOMPARE(turn.refusal == TurnRefusal::DoesNotFit, after == ToolMap);
        break;
    }
    QCOMPARE(rowsOf(m, QRect(0, 0, 6, 4)), after);
    QCOMPARE(QPoint(m.header.StartX, m.header.StartY), start);
    QCOMPARE(QPoint(m.header.GoalX, m.header.GoalY), goal);
    QCOMPARE(changed, after != ToolMap || start != ToolStart || goal != ToolGoal);
    QCOMPARE(canvas.log.size(), changed ? 2 : 0);
    QCOMPARE(canvas.log.value(1), changed ? "refresh" : "");
    QCOMPARE(canvas.image(), redrawnOf(m, canvas));
    history.undo();
    QCOMPARE(m.header, before->header);
    QVERIFY(m.grid == before->grid);
    QCOMPARE(canvas.image(), redrawnOf(m, canvas));
}

void TestEditing::picker_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QList<int>>("palette"); // column, row, code after
    const QList<int> unchanged{4, 2, StartCode};
    QTest::newRow("the last floor") << QPoint(3, 2) << QList<int>{5, FloorRow, LastFloor};
    QTest::newRow("a wall") << QPoint(0, 0) << QList<int>{0, WallRow, FirstWall};
    QTest::newRow("an arrow over its floor")
        << QPoint(2, 1) << QList<int>{1, ItemRow, FirstItemCode - 1 + ArrowDown};
    QTest::newRow("the goal over the start") << QPoint(5, 1) << QList<int>{5, ItemRow, GoalCode};
    QTest::newRow("chip 16") << QPoint(6, 3) << unchanged;
    QTest::newRow("a floor beyond the map") << QPoint(8, 1) << unchanged;
}

void TestEditing::picker()
{
    QFETCH(QPoint, cell);
    QFETCH(QList<int>, palette);
    Fixture f;
    MazeState& m = *f.maze;
    m.ChipCol = 4;
    m.ChipRow = 2;
    m.SelectedChip = StartCode;
    m.cell(3, 2).Chip = LastFloor;
    const MazeGrid grid = m.grid;
    QCOMPARE(PickChip(m, cell), palette[2] != StartCode);
    QCOMPARE(QList<int>({m.ChipCol, m.ChipRow, m.SelectedChip}), palette);
    QVERIFY(m.grid == grid);
}

void TestEditing::freshMaze()
{
    // What a maze loaded in the player leaves behind.
    Fixture f;
    MazeState& m = *f.maze;
    m.header.Title = "old";
    m.header.MusicFile = "old.mid";
    m.header.TimeLimit = NoTimeLimit;
    m.grid.at(40, 2) = {7, 0};
    m.grid.at(-1, 0) = {8, 0};
    m.CursorX = 7;
    m.TimeLeft = 5;
    m.SelectedChip = 15;
    m.ChipCol = m.ChipRow = 2;
    LoggingCanvas canvas(ChipSheet::standard(), QImage(512, 512, QImage::Format_RGB32));
    OpenFreshMaze(m, canvas);

    auto fresh = std::make_unique<MazeState>();
    fresh->header = {{}, 60, 0, 0, 31, 31, {}, 32, 32};
    for (int y = 0; y <= 32; ++y)
        for (int x = 0; x <= 32; ++x)
            fresh->grid.at(x, y).Chip = 1;
    fresh->SelectedChip = 1;
    QCOMPARE(m.header, fresh->header);
    QVERIFY(m.grid == fresh->grid);
    QCOMPARE(QList<int>({m.CursorX, m.TimeLeft, m.ChipCol, m.ChipRow, m.SelectedChip}),
             QList<int>({0, 0, 0, 0, 1}));
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
    QCOMPARE(maze->grid.at(40, 50), (MazeCell{9, 3})); // hidden, kept
    QCOMPARE(maze->grid.at(64, 64).Chip, 1);           // turned from 0 at 64 x 64

    for (size_t i = 0; i < MapSizes.size(); ++i)
        QCOMPARE(sizeChoiceOf(MapSizes[i]), std::optional<size_t>(i));
    QCOMPARE(sizeChoiceOf({96, 32}), std::nullopt);
    QCOMPARE(sizeChoiceOf({10, 12}), std::nullopt);
}

void TestEditing::timeBoxValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value"); // None: does not fit
    constexpr int None = 99999;
    // clang-format off
    const std::pair<const char*, int> rows[] = {
        {"", 0}, {"60", 60}, {"abc", 0}, {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"1.5", 2},
        {".5", 0}, {"-7", -7}, {"+5", 5}, {" 12", 12}, {"1 2", 12}, {"\t7\n", 7},
        {"12abc", 12}, {"1.2.3", 1}, {"--7", 0}, {"1e3", 1000}, {"1E3", 1000}, {"1d2", 100},
        {"1e", 1}, {"1e-3", 0}, {"e3", 0}, {"32767", 32767}, {"32767.5", None},
        {"-32768.5", -32768}, {"-32769", None}, {"9e9", None}, {"1e99999999", None},
        {"0.00001e9", 10000}, {"1e-99999", 0}};
    // clang-format on
    for (const auto& [text, value] : rows)
        QTest::newRow(text) << QString::fromLatin1(text) << value;
}

void TestEditing::timeBoxValue()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    const std::optional<int16_t> got = TimeBoxValue(text);
    QCOMPARE(got ? int(*got) : 99999, value);
}

void TestEditing::saveCheck_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("goal");
    QTest::addColumn<bool>("valid");
    QTest::newRow("both on floors") << QPoint(0, 1) << QPoint(5, 1) << true;
    QTest::newRow("start on a wall") << QPoint(0, 0) << QPoint(5, 1) << false;
    QTest::newRow("goal on a wall") << QPoint(0, 1) << QPoint(5, 2) << false;
    QTest::newRow("goal on chip 17") << QPoint(0, 1) << QPoint(7, 3) << true;
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
    f.maze->header.StartX = int16_t(start.x());
    f.maze->header.StartY = int16_t(start.y());
    f.maze->header.GoalX = int16_t(goal.x());
    f.maze->header.GoalY = int16_t(goal.y());
    QCOMPARE(StartAndGoalValid(*f.maze), valid);
}

enum class Step { Click, Item, Start, Drag, Fill, Grow, Shrink, Load };
Q_DECLARE_METATYPE(Step)

void TestEditing::undoRedo_data()
{
    QTest::addColumn<Step>("step");
    QTest::newRow("a chip clicked") << Step::Click;
    QTest::newRow("an arrow clicked") << Step::Item;
    QTest::newRow("the start moved") << Step::Start;
    QTest::newRow("a drag over three cells, its release click on a fourth") << Step::Drag;
    QTest::newRow("the fill") << Step::Fill;
    QTest::newRow("a larger size") << Step::Grow;
    QTest::newRow("a smaller size") << Step::Shrink;
    QTest::newRow("a load") << Step::Load;
}

// Each kind of step is one command that takes the maze exactly back and
// forth, and the picture shows the maze as it then stands.
void TestEditing::undoRedo()
{
    QFETCH(Step, step);
    Fixture f;
    MazeState& m = *f.maze;
    m.header.Title = "before";
    m.grid.at(20, 20) = {FirstFloor, ArrowUp}; // beyond the map: hidden, kept
    EditHistory history(m);
    history.setCanvas(&f.canvas);
    const auto at = [&](int x, int y, int code) {
        m.SelectedChip = int16_t(code);
        MapPointerMoved(m, x * ChipSize, y * ChipSize);
        return QRect(x, y, 1, 1);
    };
    const auto click = [&](int x, int y, int code) {
        history.step(EditKind::Paint, at(x, y, code),
                     [&] { return MapClicked(m, f.canvas, false); });
    };
    history.setMazePath(QStringLiteral("before.mdt"));
    const MazeHeader headerBefore = m.header;
    const MazeGrid gridBefore = m.grid;
    switch (step) {
    case Step::Click:
        click(2, 1, 3);
        break;
    case Step::Item:
        click(3, 1, LastItemCode);
        break;
    case Step::Start:
        click(1, 1, StartCode);
        break;
    case Step::Drag:
        for (int x = 0; x < 3; ++x) {
            const QRect cell = at(x, 4, FirstFloor + 1);
            history.openStep(EditKind::Paint, cell, [&] {
                return DragPaintLine(m, f.canvas, cell.topLeft(), MouseButton::Left, false);
            });
        }
        click(3, 4, FirstFloor + 1);
        break;
    case Step::Fill:
        m.SelectedChip = LastFloor;
        history.step(EditKind::Fill, mapCells(8, 6), [&] { return FillMap(m, f.canvas); });
        break;
    case Step::Grow:
    case Step::Shrink: {
        const MapSize size = step == Step::Grow ? MapSize{32, 32} : MapSize{4, 3};
        history.step(EditKind::Size, mapCells(size.width, size.height),
                     [&] { return ChangeMapSize(m, f.canvas, size); });
        break;
    }
    case Step::Load:
        history.step(EditKind::Load, gridCells(), [&] {
            m.grid.clear();
            m.header = {"loaded", 90, 1, 1, 2, 1, "a.mid", 64, 32};
            history.setMazePath(QStringLiteral("loaded.mdt"));
            return RedrawMap(m, f.canvas, 64, 32);
        });
        break;
    }
    const MazeHeader headerAfter = m.header;
    const MazeGrid gridAfter = m.grid;
    const QString pathAfter = history.mazePath();
    QVERIFY(headerAfter != headerBefore || !(gridAfter == gridBefore));
    QCOMPARE(history.stack().count(), 1);

    history.undo();
    QCOMPARE(m.header, headerBefore);
    QVERIFY(m.grid == gridBefore);
    QCOMPARE(history.mazePath(), QStringLiteral("before.mdt")); // a load's file goes too
    QCOMPARE(f.canvas.image(), f.redrawn());
    history.redo();
    QCOMPARE(m.header, headerAfter);
    QVERIFY(m.grid == gridAfter);
    QCOMPARE(history.mazePath(), pathAfter);
    QCOMPARE(f.canvas.image(), f.redrawn());
}

void TestEditing::historyBoundedInMemory()
{
    // Fills of the whole 8 x 6 map, 63 cells each: room for about four.
    Fixture f;
    MazeState& m = *f.maze;
    const qsizetype budget = 5 * 63 * qsizetype(sizeof(CellChange));
    EditHistory history(m, budget);
    history.setCanvas(&f.canvas);
    QSignalSpy pushes(&history.stack(), &QUndoStack::indexChanged);
    std::vector<MazeGrid> grids{m.grid};
    for (int16_t chip = FirstFloor; chip < FirstFloor + 6; ++chip) {
        m.SelectedChip = chip;
        history.step(EditKind::Fill, mapCells(8, 6), [&] { return FillMap(m, f.canvas); });
        grids.push_back(m.grid);
    }
    QVERIFY(history.memoryUsed() <= budget);
    const int kept = history.stack().count();
    QVERIFY(kept >= 2 && kept < 6); // the oldest went first
    QCOMPARE(pushes.count(), 6);    // dropping them stirred nothing
    for (int i = 0; i < kept; ++i)
        history.undo();
    QVERIFY(m.grid == grids[size_t(6 - kept)]);
    QCOMPARE(f.canvas.image(), f.redrawn());
    history.redo();
    QVERIFY(m.grid == grids[size_t(7 - kept)]);
}

void TestEditing::historyCountsWholeSteps()
{
#ifdef __SANITIZE_ADDRESS__
    QSKIP("the sanitizer's allocator keeps no malloc statistics");
#endif
    // What the heap grows by for many one-cell steps, against what the
    // history says they hold. A step that is undone and replaced is freed.
    Fixture f;
    MazeState& m = *f.maze;
    EditHistory history(m);
    const auto paint = [&](int i, int16_t chip) {
        history.step(EditKind::Paint, QRect(i % 8, 2, 1, 1), [&] {
            m.cell(i % 8, 2).Chip = chip;
            return true;
        });
    };
    paint(1, FirstWall);
    const size_t heapBefore = mallinfo2().uordblks;
    const qsizetype usedBefore = history.memoryUsed();
    constexpr int Steps = 5000;
    for (int i = 2; i < Steps + 2; ++i)
        paint(i, int16_t(FirstWall + i % 3)); // never the cell's chip
    const double grown = double(mallinfo2().uordblks - heapBefore);
    const double counted = double(history.memoryUsed() - usedBefore);
    QVERIFY2(
        counted > 0.9 * grown && counted < 1.5 * grown,
        qPrintable(
            QStringLiteral("%1 bytes counted, %2 grown").arg(qint64(counted)).arg(qint64(grown))));
    history.undo();
    history.undo();
    const qsizetype oneStep = qsizetype(counted / Steps);
    const qsizetype beforeReplacing = history.memoryUsed();
    paint(0, FirstFloor); // the two undone steps go
    QVERIFY(history.memoryUsed() < beforeReplacing);
    QVERIFY(history.memoryUsed() > beforeReplacing - 2 * oneStep);
}

void TestEditing::stepsOfTwoKindsNeverMix()
{
    // A drag left open, a title typed letter by letter, a time limit: three
    // steps, each undone on its own.
    Fixture f;
    MazeState& m = *f.maze;
    EditHistory history(m);
    const MazeGrid fresh = m.grid;
    for (int x = 0; x < 2; ++x)
        history.openStep(EditKind::Paint, QRect(x, 3, 1, 1), [&] {
            m.cell(x, 3).Chip = FirstFloor;
            return true;
        });
    const MazeGrid painted = m.grid;
    for (const char* title : {"a", "ab"})
        history.openStep(EditKind::Title, {}, [&] {
            m.header.Title = title;
            return true;
        });
    history.openStep(EditKind::TimeLimit, {}, [&] {
        m.header.TimeLimit = 5;
        return true;
    });
    history.endStep();
    QCOMPARE(history.stack().count(), 3);

    history.undo();
    QCOMPARE(m.header.TimeLimit, 0);
    QCOMPARE(m.header.Title, "ab");
    history.undo();
    QCOMPARE(m.header.Title, "");
    QVERIFY(m.grid == painted);
    history.undo();
    QVERIFY(m.grid == fresh);
    history.redo(); // the cells again, the title as it now stands
    QVERIFY(m.grid == painted);
    QCOMPARE(m.header.Title, "");
}

void TestEditing::toolStateFollowsEveryChange_data()
{
    QTest::addColumn<quint32>("seed");
    for (const quint32 seed : {1u, 7u, 38u, 2024u})
        QTest::addRow("seed %u", seed) << seed;
}

// Random runs of the tools' steps, selections, pastes, size changes, loads,
// undo and redo: the selection always lies on the map; a change of the map
// forgets the line's start and leaves a floating paste whole; undo and redo
// of a step made on a selection put back the selection before or after it,
// and of any other step keep the selection there is, on the map.
void TestEditing::toolStateFollowsEveryChange()
{
    QFETCH(quint32, seed);
    QRandomGenerator rng(seed);
    auto maze = std::make_unique<MazeState>();
    ImageCanvas canvas(ChipSheet::standard());
    RedrawMap(*maze, canvas, 32, 32);
    EditHistory history(*maze);
    history.setCanvas(&canvas);
    ToolState& tools = history.tools();
    const MazeHeader& h = maze->header;
    using Selection = std::optional<QRect>;
    struct Made {
        bool onSelection;
        Selection before, after;
    };
    std::vector<Made> made; // what each step of the stack was made on
    const auto cell = [&] { return QPoint(rng.bounded(-4, 130), rng.bounded(-4, 130)); };
    for (int action = 0; action < 600; ++action) {
        const Selection was = tools.selection();
        const int index = history.stack().index();
        const MazeHeader map = h;
        const std::optional<FloatingPaste> paste = tools.paste();
        const int what = rng.bounded(12);
        maze->SelectedChip = int16_t(rng.bounded(FirstWall, StartCode));
        switch (what) {
        case 0:
            tools.selectBetween(cell(), cell(), h);
            break;
        case 1:
            tools.select(shownCells(h), h); // Ctrl+A
            break;
        case 2:
            PaintSelectionStep(*maze, history, canvas);
            break;
        case 3:
            OutlineSelectionStep(*maze, history, canvas);
            break;
        case 4:
            TurnOrMirrorSelectionStep(*maze, history, canvas, TurnOrMirror(rng.bounded(3)));
            break;
        case 5: {
            const MapSize size = MapSizes[rng.bounded(int(MapSizes.size()))];
            history.step(EditKind::Size, mapCells(size.width, size.height),
                         [&] { return ChangeMapSize(*maze, canvas, size); });
            break;
        }
        case 6: // a maze of any size a file may hold
            history.step(EditKind::Load, gridCells(), [&] {
                maze->header.MapWidth = int16_t(rng.bounded(1, MapSizeMax + 1));
                maze->header.MapHeight = int16_t(rng.bounded(1, MapSizeMax + 1));
                maze->cell(0, 0).Chip = int16_t(rng.bounded(FirstWall, LastFloor + 1));
                return RedrawMap(*maze, canvas, h.MapWidth, h.MapHeight);
            });
            break;
        case 7:
            LineStep(*maze, history, canvas, cell());
            break;
        case 8:
            if (tools.paste())
                PlacePasteStep(*maze, history, canvas);
            else
                tools.startPaste(copyRegion(*maze, cellsBetween(cell(), cell())), cell());
            break;
        case 9:
        case 10: {
            const bool undo = what == 9;
            const int at = undo ? index - 1 : index;
            if (at < 0 || at >= int(made.size()))
                break;
            undo ? history.undo() : history.redo();
            const Made& step = made[size_t(at)];
            const Selection expected = step.onSelection ? (undo ? step.before : step.after) : was;
            const QRect onMap = expected.value_or(QRect()) & shownCells(h);
            QCOMPARE(tools.selection(), onMap.isEmpty() ? Selection() : Selection(onMap));
            break;
        }
        default:
            tools.select(std::nullopt, h);
        }
        if (what < 9 && history.stack().index() > index) { // a new step
            made.resize(size_t(index));
            made.push_back({was || tools.selection(), was, tools.selection()});
        }
        if (tools.selection())
            QVERIFY(!tools.selection()->isEmpty() && shownCells(h).contains(*tools.selection()));
        if (h.MapWidth != map.MapWidth || h.MapHeight != map.MapHeight || what == 6) {
            QVERIFY(!tools.lineStart());
            QCOMPARE(tools.paste().has_value(), paste.has_value());
            QVERIFY(!paste || tools.paste()->region == paste->region);
        }
    }
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
