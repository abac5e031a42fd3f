#include "CellDrawing.h"
#include "ChipDraw.h"
#include "ImageCanvas.h"
#include "MapRedraw.h"
#include "MazeState.h"
#include "MouseConversions.h"
#include "play/RouteDrawing.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <limits>

using namespace orvane;

Q_DECLARE_METATYPE(SheetCell)

namespace {

QImage randomImage(QSize size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, 0xFF000000 | rng.bounded(0x1000000u));
    return image;
}

bool maskWhite(const ChipSheet& chips, int column, int row, int px, int py)
{
    return (chips.mask().pixel(column * ChipSize + px, row * ChipSize + py) & 0xFFFFFF) == 0xFFFFFF;
}

QRgb sheetPixel(const ChipSheet& chips, int column, int row, int px, int py)
{
    return chips.sheet().pixel(column * ChipSize + px, row * ChipSize + py);
}

// Records what a full redraw asks of its window.
class RecordingCanvas : public ImageCanvas {
public:
    using ImageCanvas::ImageCanvas;
    QStringList log;
    bool throwOnResize = false;

    void markDirty(const QRect& pixels) override
    {
        log << QStringLiteral("dirty %1x%2").arg(pixels.width()).arg(pixels.height());
    }
    void resizeMap(int width, int height) override
    {
        log << QStringLiteral("resize %1x%2").arg(width).arg(height);
        if (throwOnResize)
            throw std::bad_alloc();
        ImageCanvas::resizeMap(width, height);
    }
    void refreshMap() override { log << "refresh map"; }
    void setBusy(bool busy) override { log << (busy ? "busy" : "idle"); }
    void refreshWindow() override { log << "refresh window"; }
    void fitScrollBars(int width, int height) override
    {
        log << QStringLiteral("scroll %1x%2").arg(width).arg(height);
    }
};

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(!ChipSheet::standard().isNull()); }

    void opaqueChipReplacesCell_data();
    void opaqueChipReplacesCell();
    void figureKeepsWhatIsUnder_data();
    void figureKeepsWhatIsUnder();
    void emptyCellChangesNothing();
    void goalCoversStart();
    void rasterOrder();
    void clipping_data();
    void clipping();

    void cellFromMouse_data();
    void cellFromMouse();
    void codeFromChip_data();
    void codeFromChip();

    void drawCell_data();
    void drawCell();
    void redrawSteps();
    void redrawChips();
    void redrawEveryKindOfCell();
    void redrawOtherSizes_data();
    void redrawOtherSizes();
    void redrawRefusesSize_data();
    void redrawRefusesSize();
    void redrawAlwaysEndsIdle();

    void routeOverFloorUnderMarkers_data();
    void routeOverFloorUnderMarkers();
    void routeReducedKeepsItsWidth_data();
    void routeReducedKeepsItsWidth();
};

void TestDrawing::opaqueChipReplacesCell_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    for (int row = 0; row <= 1; ++row)
        for (int column = 0; column < SheetColumns; ++column)
            QTest::addRow("chip %d", row * SheetColumns + column + 1) << column << row;
}

void TestDrawing::opaqueChipReplacesCell()
{
    QFETCH(int, column);
    QFETCH(int, row);
    const ChipSheet& chips = ChipSheet::standard();
    QImage target = randomImage({64, 48}, 1);
    const QImage before = target;
    QCOMPARE(DrawChip(target, chips, 2, 1, column, row), QRect(32, 16, 16, 16));
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const bool inCell = x >= 32 && x < 48 && y >= 16 && y < 32;
            const QRgb want =
                inCell ? sheetPixel(chips, column, row, x - 32, y - 16) : before.pixel(x, y);
            QCOMPARE(target.pixel(x, y), want);
        }
    }
}

void TestDrawing::figureKeepsWhatIsUnder_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    const char* names[] = {"up", "down", "left", "right", "start", "goal"};
    for (int column = 0; column < SheetColumns; ++column)
        QTest::newRow(names[column]) << column << int(ItemRow);
    QTest::newRow("ball") << BallFigure.column << BallFigure.row;
}

void TestDrawing::figureKeepsWhatIsUnder()
{
    QFETCH(int, column);
    QFETCH(int, row);
    const ChipSheet& chips = ChipSheet::standard();
    QImage target(16, 16, QImage::Format_RGB32);
    DrawChip(target, chips, 0, 0, 2, FloorRow);
    const QImage floor = target;

    DrawChip(target, chips, 0, 0, column, row);
    int figure = 0;
    for (int y = 0; y < ChipSize; ++y) {
        for (int x = 0; x < ChipSize; ++x) {
            if (maskWhite(chips, column, row, x, y)) {
                ++figure;
                QCOMPARE(target.pixel(x, y), sheetPixel(chips, column, row, x, y));
            } else {
                QCOMPARE(target.pixel(x, y), floor.pixel(x, y));
            }
        }
    }
    QVERIFY(figure > 20 && figure < 256);

    const QImage once = target;
    DrawChip(target, chips, 0, 0, column, row);
    QCOMPARE(target, once);
}

void TestDrawing::emptyCellChangesNothing()
{
    const ChipSheet& chips = ChipSheet::standard();
    for (int column = 1; column < SheetColumns; ++column) {
        QImage target = randomImage({16, 16}, column);
        const QImage before = target;
        DrawChip(target, chips, 0, 0, column, BallFigure.row);
        QCOMPARE(target, before);
    }
}

void TestDrawing::goalCoversStart()
{
    auto maze = std::make_unique<MazeState>();
    maze->header.StartX = maze->header.GoalX = 1;
    maze->header.StartY = maze->header.GoalY = 1;
    const ChipSheet& chips = ChipSheet::standard();
    ImageCanvas canvas(chips);
    RedrawMap(*maze, canvas, 2, 2);

    QImage expected(32, 32, QImage::Format_RGB32);
    for (int y = 0; y <= 1; ++y)
        for (int x = 0; x <= 1; ++x)
            DrawChip(expected, chips, x, y, 0, WallRow);
    DrawChip(expected, chips, 1, 1, StartMarker.column, StartMarker.row);
    DrawChip(expected, chips, 1, 1, GoalMarker.column, GoalMarker.row);
    QCOMPARE(canvas.image(), expected);
    // Where the goal is opaque it shows, whatever the start had there.
    for (int y = 0; y < ChipSize; ++y)
        for (int x = 0; x < ChipSize; ++x)
            if (maskWhite(chips, GoalMarker.column, GoalMarker.row, x, y))
                QCOMPARE(canvas.image().pixel(16 + x, 16 + y),
                         sheetPixel(chips, GoalMarker.column, GoalMarker.row, x, y));
}

void TestDrawing::rasterOrder()
{
    // Sheet and mask of noise, one cell with an all-white mask: every pixel
    // must be (target OR mask) AND sheet, the copy shortcut included.
    QImage mask = randomImage({SheetWidth, SheetHeight}, 11);
    for (int y = 0; y < ChipSize; ++y)
        for (int x = 0; x < ChipSize; ++x)
            mask.setPixel(5 * ChipSize + x, 3 * ChipSize + y, 0xFFFFFFFF);
    const ChipSheet chips(randomImage({SheetWidth, SheetHeight}, 12), mask);
    QVERIFY(chips.isOpaque(5, 3));
    QVERIFY(!chips.isOpaque(0, 0));

    for (const SheetCell cell : {SheetCell{0, 0}, SheetCell{3, 2}, SheetCell{5, 3}}) {
        QImage target = randomImage({48, 48}, 13);
        const QImage before = target;
        DrawChip(target, chips, 1, 2, cell.column, cell.row);
        for (int y = 0; y < ChipSize; ++y) {
            for (int x = 0; x < ChipSize; ++x) {
                const QRgb want = (before.pixel(16 + x, 32 + y) |
                                   chips.mask().pixel(cell.column * 16 + x, cell.row * 16 + y)) &
                                  chips.sheet().pixel(cell.column * 16 + x, cell.row * 16 + y);
                QCOMPARE(target.pixel(16 + x, 32 + y), want);
            }
        }
    }
}

void TestDrawing::clipping_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QRect>("drawn");
    constexpr int big = std::numeric_limits<int>::max();
    constexpr int small = std::numeric_limits<int>::min();
    QTest::newRow("inside") << 1 << 0 << 0 << 0 << QRect(16, 0, 16, 16);
    QTest::newRow("column W") << 2 << 0 << 0 << 0 << QRect();
    QTest::newRow("row H") << 0 << 2 << 0 << 0 << QRect();
    QTest::newRow("x -1") << -1 << 0 << 0 << 0 << QRect();
    QTest::newRow("y -5") << 0 << -5 << 0 << 0 << QRect();
    QTest::newRow("huge cell") << big << big << 0 << 0 << QRect();
    QTest::newRow("tiny cell") << small << small << 0 << 0 << QRect();
    QTest::newRow("sheet column -1") << 0 << 0 << -1 << 0 << QRect();
    QTest::newRow("sheet column 6") << 0 << 0 << 6 << 2 << QRect();
    QTest::newRow("sheet row 4") << 0 << 0 << 0 << 4 << QRect();
    QTest::newRow("item 7") << 0 << 0 << 6 << int(ItemRow) << QRect();
    QTest::newRow("sheet column huge") << 0 << 0 << big << 0 << QRect();
}

void TestDrawing::clipping()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QRect, drawn);
    QImage target = randomImage({32, 32}, 3);
    const QImage before = target;
    QCOMPARE(DrawChip(target, ChipSheet::standard(), x, y, column, row), drawn);
    if (drawn.isNull())
        QCOMPARE(target, before);

    // A picture that is not a whole number of cells clips the last ones.
    QImage odd = randomImage({20, 20}, 4);
    QCOMPARE(DrawChip(odd, ChipSheet::standard(), 1, 1, 0, 0), QRect(16, 16, 4, 4));
}

void TestDrawing::cellFromMouse_data()
{
    QTest::addColumn<int>("pixel");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("cell");
    QTest::newRow("-1") << -1 << true << 0;
    QTest::newRow("-15") << -15 << true << 0;
    QTest::newRow("-16") << -16 << true << -1;
    QTest::newRow("-17") << -17 << true << -1;
    QTest::newRow("0") << 0 << true << 0;
    QTest::newRow("15") << 15 << true << 0;
    QTest::newRow("16") << 16 << true << 1;
    QTest::newRow("2047") << 2047 << true << 127;
    QTest::newRow("largest cell") << 32767 * 16 + 15 << true << 32767;
    QTest::newRow("overflow") << 32768 * 16 << false << 0;
    QTest::newRow("smallest cell") << -32768 * 16 - 15 << true << -32768;
    QTest::newRow("underflow") << -32769 * 16 << false << 0;
    QTest::newRow("int min") << std::numeric_limits<int>::min() << false << 0;
}

void TestDrawing::cellFromMouse()
{
    QFETCH(int, pixel);
    QFETCH(bool, ok);
    QFETCH(int, cell);
    auto maze = std::make_unique<MazeState>();
    maze->CursorX = maze->CursorY = 9;
    maze->ChipCol = maze->ChipRow = 9;
    maze->MapMouseX = maze->ChipMouseX = pixel;
    maze->MapMouseY = maze->ChipMouseY = 40;
    QCOMPARE(CellFromMouse(*maze), ok);
    QCOMPARE(ChipFromMouse(*maze), ok);
    QCOMPARE(maze->CursorX, ok ? cell : 9);
    QCOMPARE(maze->CursorY, ok ? 2 : 9);
    QCOMPARE(maze->ChipCol, ok ? cell : 9);
    QCOMPARE(maze->ChipRow, ok ? 2 : 9);
}

void TestDrawing::codeFromChip_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("code");
    QTest::newRow("first wall") << 0 << 0 << 1;
    QTest::newRow("last wall") << 5 << 0 << 6;
    QTest::newRow("first floor") << 0 << 1 << 7;
    QTest::newRow("last floor") << 5 << 1 << 12;
    QTest::newRow("up arrow") << 0 << 2 << 13;
    QTest::newRow("start") << 4 << 2 << 17;
    QTest::newRow("goal") << 5 << 2 << 18;
    QTest::newRow("ball row keeps") << 0 << 3 << 5;
    QTest::newRow("row -1 keeps") << 0 << -1 << 5;
    QTest::newRow("column 6 keeps") << 6 << 0 << 5;
    QTest::newRow("column -1 keeps") << -1 << 1 << 5;
}

void TestDrawing::codeFromChip()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(int, code);
    auto maze = std::make_unique<MazeState>();
    maze->SelectedChip = 5;
    maze->ChipCol = int16_t(column);
    maze->ChipRow = int16_t(row);
    CodeFromChip(*maze);
    QCOMPARE(maze->SelectedChip, code);
}

void TestDrawing::drawCell_data()
{
    QTest::addColumn<int>("chip");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("start");
    QTest::addColumn<bool>("goal");
    QTest::addColumn<SheetCell>("terrain"); // column -1: none
    QTest::newRow("floor, arrow, start") << 9 << 2 << true << false << SheetCell{2, FloorRow};
    QTest::newRow("unset chip, goal") << 0 << 0 << false << true << SheetCell{0, WallRow};
    QTest::newRow("start and goal") << 7 << 0 << true << true << SheetCell{0, FloorRow};
    QTest::newRow("no terrain picture") << 19 << 4 << false << false << SheetCell{-1, 0};
}

void TestDrawing::drawCell()
{
    QFETCH(int, chip);
    QFETCH(int, item);
    QFETCH(bool, start);
    QFETCH(bool, goal);
    QFETCH(SheetCell, terrain);
    auto maze = std::make_unique<MazeState>();
    maze->grid.at(1, 0) = {int16_t(chip), int16_t(item)};
    maze->header.StartX = maze->header.GoalX = 5;
    if (start)
        maze->header.StartX = 1;
    if (goal)
        maze->header.GoalX = 1;
    const ChipSheet& chips = ChipSheet::standard();
    const QImage before = randomImage({48, 16}, 3);
    RecordingCanvas canvas(chips, before);
    DrawCell(*maze, canvas, 1, 0);

    QImage expected = before;
    if (terrain.column >= 0)
        DrawChip(expected, chips, 1, 0, terrain.column, terrain.row);
    if (item)
        DrawChip(expected, chips, 1, 0, item - 1, ItemRow);
    if (start)
        DrawChip(expected, chips, 1, 0, StartMarker.column, StartMarker.row);
    if (goal)
        DrawChip(expected, chips, 1, 0, GoalMarker.column, GoalMarker.row);
    QCOMPARE(canvas.image(), expected); // the neighbours are untouched
    QCOMPARE(canvas.log, QStringList{"dirty 16x16"});
    QCOMPARE(maze->grid.at(1, 0).Chip, chip); // the model stays as it is
}

void TestDrawing::redrawSteps()
{
    auto maze = std::make_unique<MazeState>();
    maze->header.StartX = 1;
    maze->header.GoalX = 31;
    maze->header.GoalY = 30;
    RecordingCanvas canvas(ChipSheet::standard());
    QVERIFY(RedrawMap(*maze, canvas, 32, 32));

    QCOMPARE(canvas.log, (QStringList{"busy", "refresh window", "resize 512x512", "scroll 32x32",
                                      "dirty 512x512", "refresh map", "idle"}));
    QCOMPARE(canvas.image().size(), QSize(512, 512));
    QCOMPARE(maze->header.MapWidth, 32);
    QCOMPARE(maze->header.MapHeight, 32);
    for (int y = GridMin; y <= GridMax; ++y)
        for (int x = GridMin; x <= GridMax; ++x)
            QCOMPARE(maze->grid.at(x, y).Chip, x >= 0 && x <= 32 && y >= 0 && y <= 32 ? 1 : 0);
}

void TestDrawing::redrawChips()
{
    // One cell per kind of code, drawn on a 4 x 2 map, against single chips.
    auto maze = std::make_unique<MazeState>();
    const MazeCell cells[] = {{-3, 0}, {6, 0}, {9, 2}, {14, 0}, {19, 4}, {19, 0}, {0, 9}, {12, 1}};
    for (int i = 0; i < 8; ++i)
        maze->grid.at(i % 4, i / 4) = cells[i];
    maze->header.StartX = maze->header.StartY = maze->header.GoalX = maze->header.GoalY = 50;

    const ChipSheet& chips = ChipSheet::standard();
    const QImage before = randomImage({64, 32}, 5);
    ImageCanvas canvas(chips, before);
    RedrawMap(*maze, canvas, 4, 2);

    QImage expected = before;
    const SheetCell pictures[] = {{-1, -1} /* negative chip: nothing */,
                                  {5, 0},
                                  {2, 1},
                                  {1, 2},
                                  {3, 2} /* item only */,
                                  {-1, -1},
                                  {0, 0},
                                  {5, 1}};
    for (int i = 0; i < 8; ++i) {
        if (pictures[i].column >= 0)
            DrawChip(expected, chips, i % 4, i / 4, pictures[i].column, pictures[i].row);
    }
    DrawChip(expected, chips, 2, 0, 1, ItemRow); // item 2 over the floor
    DrawChip(expected, chips, 3, 1, 0, ItemRow); // item 1 over chip 12
    QCOMPARE(canvas.image(), expected);
    QCOMPARE(maze->grid.at(2, 1).Chip, 1);  // 0 became 1
    QCOMPARE(maze->grid.at(0, 0).Chip, -3); // other codes stay
}

void TestDrawing::redrawEveryKindOfCell()
{
    // Every chip code under every item code of the sheet and one beyond, the
    // markers on two of them: onto a new size, each cell as DrawCell draws it.
    auto maze = std::make_unique<MazeState>();
    constexpr int16_t width = LastFloor + 1;
    constexpr int16_t height = SheetColumns + 2;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            maze->grid.at(x, y) = {int16_t(x), int16_t(y)};
    maze->header.StartX = 2;
    maze->header.StartY = 3;
    maze->header.GoalX = 9;
    maze->header.GoalY = 5;
    const ChipSheet& chips = ChipSheet::standard();
    ImageCanvas canvas(chips, randomImage({48, 48}, 6));
    QVERIFY(RedrawMap(*maze, canvas, width, height));

    ImageCanvas expected(chips, randomImage({width * ChipSize, height * ChipSize}, 7));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            DrawCell(*maze, expected, x, y);
    QCOMPARE(canvas.image(), expected.image());
}

void TestDrawing::redrawOtherSizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("1 x 1") << 1 << 1;
    QTest::newRow("5 x 77") << 5 << 77;
    QTest::newRow("128 x 128") << 128 << 128;
    QTest::newRow("128 x 3") << 128 << 3;
}

void TestDrawing::redrawOtherSizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    auto maze = std::make_unique<MazeState>();
    RecordingCanvas canvas(ChipSheet::standard(), QImage(512, 512, QImage::Format_RGB32));
    QVERIFY(RedrawMap(*maze, canvas, int16_t(width), int16_t(height)));
    QCOMPARE(canvas.image().size(), QSize(width * 16, height * 16));
    for (int y = 0; y <= std::min(height + 1, GridMax); ++y)
        for (int x = 0; x <= std::min(width + 1, GridMax); ++x)
            QCOMPARE(maze->grid.at(x, y).Chip, x <= width && y <= height ? 1 : 0);
    QCOMPARE(maze->grid.at(width, height).Chip, 1);
    QCOMPARE(maze->header.MapWidth, width);
    QCOMPARE(maze->header.MapHeight, height);
}

void TestDrawing::redrawRefusesSize_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("width 0") << 0 << 32;
    QTest::newRow("height -1") << 32 << -1;
    QTest::newRow("width 129") << 129 << 32;
    QTest::newRow("height 32767") << 32 << 32767;
}

void TestDrawing::redrawRefusesSize()
{
    QFETCH(int, width);
    QFETCH(int, height);
    auto maze = std::make_unique<MazeState>();
    maze->header.MapWidth = maze->header.MapHeight = 64;
    RecordingCanvas canvas(ChipSheet::standard(), QImage(512, 512, QImage::Format_RGB32));
    QVERIFY(!RedrawMap(*maze, canvas, int16_t(width), int16_t(height)));
    QVERIFY(canvas.log.isEmpty());
    QCOMPARE(maze->header.MapWidth, 64);
    QCOMPARE(maze->grid.at(0, 0).Chip, 0);
}

void TestDrawing::redrawAlwaysEndsIdle()
{
    auto maze = std::make_unique<MazeState>();
    RecordingCanvas canvas(ChipSheet::standard());
    canvas.throwOnResize = true;
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc, RedrawMap(*maze, canvas, 32, 32));
    QCOMPARE(canvas.log.last(), "idle");
    QCOMPARE(maze->header.MapWidth, 0);
}

void TestDrawing::routeOverFloorUnderMarkers_data()
{
    QTest::addColumn<int>("scale");
    QTest::newRow("scale 1") << 1;
    QTest::newRow("scale 3") << 3;
}

// A route along a row of grey floor from the start to the goal: a white line
// with dark edges over the floor's seam, the markers drawn over it.
void TestDrawing::routeOverFloorUnderMarkers()
{
    QFETCH(int, scale);
    auto maze = std::make_unique<MazeState>();
    for (int x = 0; x < 3; ++x)
        maze->grid.at(x, 0).Chip = FirstFloor;
    maze->header.GoalX = 2;
    const ChipSheet& chips = ChipSheet::standard();
    ImageCanvas canvas(chips);
    RedrawMap(*maze, canvas, 3, 1);
    const QImage map = canvas.image().scaled(canvas.image().size() * scale);
    QImage picture = map;
    MazeAnalysis route;
    route.routeCells = {{0, 0}, {1, 0}, {2, 0}};
    drawRoute(picture, route, maze->header, chips, scale);
    const int x = (ChipSize + 3) * scale; // in the middle cell
    for (int y = 0; y < ChipSize * scale; ++y) {
        const int row = y / scale;
        const QRgb expected = row == 7 || row == 8   ? qRgb(255, 255, 255)
                              : row == 6 || row == 9 ? qRgb(0, 0, 0)
                                                     : map.pixel(x, y);
        QCOMPARE(picture.pixel(x, y), expected);
    }
    const int centre = ChipSize / 2; // where the line ends, under the markers
    for (const auto& [cell, marker] : {std::pair{0, StartMarker}, std::pair{2, GoalMarker}})
        QCOMPARE(picture.pixel((cell * ChipSize + centre) * scale, centre * scale),
                 sheetPixel(chips, marker.column, marker.row, centre, centre));
}

void TestDrawing::routeReducedKeepsItsWidth_data()
{
    QTest::addColumn<int>("cellPixels");
    QTest::newRow("8 pixels a cell") << 8;
    QTest::newRow("4 pixels a cell") << 4;
}

// Over a map shown reduced the line keeps its width in pixels: two white
// rows edged in black, as at full size.
void TestDrawing::routeReducedKeepsItsWidth()
{
    QFETCH(int, cellPixels);
    QImage picture(3 * cellPixels, cellPixels, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    MazeAnalysis route;
    route.routeCells = {{0, 0}, {1, 0}, {2, 0}};
    QPainter p(&picture);
    drawRouteAtCellSize(p, route, MazeHeader(), ChipSheet(), cellPixels);
    p.end();
    const int centre = cellPixels / 2;
    for (int y = 0; y < cellPixels; ++y) {
        const QRgb expected = y == centre - 1 || y == centre       ? qRgb(255, 255, 255)
                              : y == centre - 2 || y == centre + 1 ? qRgb(0, 0, 0)
                                                                   : QColor(Qt::gray).rgb();
        QCOMPARE(picture.pixel(cellPixels + 1, y), expected);
    }
}

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
