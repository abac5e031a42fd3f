#include "ChipSheet.h"
#include "EditorOverview.h"
#include "MDIMain.h"
#include "MapOverview.h"
#include "MazeFile.h"
#include "MazeState.h"
#include "OverviewPlacement.h"
#include "Shell.h"
#include "frmEdit.h"
#include "frmPlay.h"
#include "frmSplash.h"
#include "support/FakeServices.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace orvane;
using namespace orvane::test;

namespace {

// A width x height map of one chip, start and goal off the map.
std::unique_ptr<MazeState> plainMap(int width, int height, int16_t chip)
{
    auto maze = std::make_unique<MazeState>();
    maze->header.MapWidth = int16_t(width);
    maze->header.MapHeight = int16_t(height);
    maze->header.StartX = maze->header.GoalX = GridMin;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            maze->cell(x, y).Chip = chip;
    return maze;
}

QRgb pixelOfCell(const MapOverview& overview, int x, int y)
{
    return overview.picture().pixel(x * overview.scale(), y * overview.scale());
}

void wheel(QWidget* target, QPoint at, QPoint angle, Qt::KeyboardModifiers keys)
{
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), angle, Qt::NoButton, keys,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestOverview : public QObject {
    Q_OBJECT

private slots:
    void drawsOnlyReportedCells();
    void clickMovesView_data();
    void clickMovesView();
    void wheel_data();
    void wheel();
    void scaleFits_data();
    void scaleFits();
    void drawnPixelsToCells_data();
    void drawnPixelsToCells();
    void placement_data();
    void placement();
    void followsTheEditor();
    void openAgainAfterTestPlay();
};

// A cell painted and reported shows at once; a cell changed but not reported
// is not drawn again.
void TestOverview::drawsOnlyReportedCells()
{
    const auto maze = plainMap(MapSizeMax, MapSizeMax, FirstWall);
    const auto floors = plainMap(MapSizeMax, MapSizeMax, FirstFloor);
    MapOverview overview(*maze, ChipSheet::standard());
    const MapOverview floorOverview(*floors, ChipSheet::standard());
    QCOMPARE(overview.picture().size(), QSize(MapOverview::DefaultSide, MapOverview::DefaultSide));
    const QRgb wall = pixelOfCell(overview, 0, 0);
    const QRgb floor = pixelOfCell(floorOverview, 0, 0);
    QVERIFY(wall != floor);

    maze->cell(100, 50).Chip = FirstFloor;
    maze->cell(3, 3).Chip = FirstFloor;
    maze->cell(MapSizeMax - 1, MapSizeMax - 1).Chip = FirstFloor;
    overview.cellsChanged(QRect(100, 50, 1, 1));
    overview.cellsChanged(QRect(MapSizeMax - 1, MapSizeMax - 1, 5, 5)); // past the map's edge
    QCOMPARE(pixelOfCell(overview, 100, 50), floor);
    QCOMPARE(pixelOfCell(overview, MapSizeMax - 1, MapSizeMax - 1), floor);
    QCOMPARE(pixelOfCell(overview, 3, 3), wall);
}

void TestOverview::clickMovesView_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<QPoint>("press"); // cells
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QPoint>("topLeft");
    // The view is 20 x 20 at (10, 10).
    QTest::newRow("a click centres the view")
        << 128 << QPoint(70, 40) << QPoint(70, 40) << QPoint(60, 30);
    QTest::newRow("by the edge, the view stays inside")
        << 128 << QPoint(127, 2) << QPoint(127, 2) << QPoint(108, 0);
    QTest::newRow("a drag inside the view moves it as held")
        << 128 << QPoint(12, 25) << QPoint(50, 30) << QPoint(48, 15);
    QTest::newRow("a small map, 8 pixels a cell")
        << 32 << QPoint(31, 16) << QPoint(31, 16) << QPoint(12, 6);
    QTest::newRow("a map narrower than the window, centred in it")
        << 20 << QPoint(19, 16) << QPoint(19, 16) << QPoint(0, 0);
}

void TestOverview::clickMovesView()
{
    QFETCH(int, side);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QPoint, topLeft);
    const auto maze = plainMap(side, side, FirstFloor);
    MapOverview overview(*maze, ChipSheet::standard());
    overview.resize(MapOverview::DefaultSide + 50, MapOverview::DefaultSide);
    overview.setView(QRect(10, 10, 20, 20));
    overview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&overview));
    QSignalSpy moved(&overview, &MapOverview::viewMoved);
    const auto at = [&](QPoint cell) {
        return overview.origin() + cell * overview.scale() + QPoint(1, 1);
    };
    QTest::mousePress(&overview, Qt::LeftButton, {}, at(press));
    QTest::mouseMove(&overview, at(release));
    QTest::mouseRelease(&overview, Qt::LeftButton, {}, at(release));
    QVERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(0).toPoint(), topLeft);
    QCOMPARE(overview.view(), QRect(topLeft, QSize(20, 20)));
}

void TestOverview::wheel_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("keys");
    QTest::addColumn<QPoint>("angle");  // eighths of a degree, given in two halves
    QTest::addColumn<QPoint>("scroll"); // cells
    QTest::addColumn<int>("zoom");
    const int lines = QApplication::wheelScrollLines();
    QTest::newRow("down") << Qt::KeyboardModifiers() << QPoint(0, -120) << QPoint(0, lines) << 0;
    QTest::newRow("Shift: sideways")
        << Qt::KeyboardModifiers(Qt::ShiftModifier) << QPoint(0, -120) << QPoint(lines, 0) << 0;
    QTest::newRow("Ctrl: zoom") << Qt::KeyboardModifiers(Qt::ControlModifier) << QPoint(0, 120)
                                << QPoint() << 1;
}

// The wheel asks the editor to scroll its view, or with Ctrl to zoom about
// the cell under the pointer.
void TestOverview::wheel()
{
    QFETCH(Qt::KeyboardModifiers, keys);
    QFETCH(QPoint, angle);
    QFETCH(QPoint, scroll);
    QFETCH(int, zoom);
    const auto maze = plainMap(64, 64, FirstFloor);
    MapOverview overview(*maze, ChipSheet::standard());
    QSignalSpy scrolled(&overview, &MapOverview::scrollRequested);
    QSignalSpy zoomed(&overview, &MapOverview::zoomRequested);
    const QPoint cell(40, 9);
    for (int half = 0; half < 2; ++half)
        ::wheel(&overview, overview.origin() + cell * overview.scale(), angle / 2, keys);
    QCOMPARE(scrolled.size(), scroll.isNull() ? 0 : 1);
    QCOMPARE(scrolled.value(0).value(0).toPoint(), scroll);
    QCOMPARE(zoomed.size(), zoom == 0 ? 0 : 1);
    QCOMPARE(zoomed.value(0).value(0).toInt(), zoom);
    QCOMPARE(zoomed.value(0).value(1).toPoint(), zoom == 0 ? QPoint() : cell);
}

void TestOverview::scaleFits_data()
{
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<QSize>("area");
    QTest::addColumn<int>("scale");
    QTest::newRow("128 in 256") << QSize(128, 128) << QSize(256, 256) << 2;
    QTest::newRow("the narrower side decides") << QSize(64, 32) << QSize(300, 100) << 3;
    QTest::newRow("no more than the map's own") << QSize(20, 20) << QSize(800, 800) << 16;
    QTest::newRow("at least a pixel") << QSize(128, 128) << QSize(100, 100) << 1;
    QTest::newRow("a whole pixel, never a part") << QSize(128, 128) << QSize(383, 383) << 2;
}

void TestOverview::scaleFits()
{
    QFETCH(QSize, cells);
    QFETCH(QSize, area);
    QFETCH(int, scale);
    QCOMPARE(overviewScale(cells, area), scale);
}

void TestOverview::drawnPixelsToCells_data()
{
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QRect>("cells");
    QTest::newRow("one cell") << QRect(80, 48, 16, 16) << QRect(5, 3, 1, 1);
    QTest::newRow("parts of four cells") << QRect(8, 8, 16, 16) << QRect(0, 0, 2, 2);
    QTest::newRow("one pixel") << QRect(31, 31, 1, 1) << QRect(1, 1, 1, 1);
}

// One cell drawn on the map is one cell of the overview.
void TestOverview::drawnPixelsToCells()
{
    QFETCH(QRect, pixels);
    QFETCH(QRect, cells);
    QCOMPARE(cellsOfPixels(pixels), cells);
}

void TestOverview::placement_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("editor");
    QTest::addColumn<QRect>("remembered"); // null: none
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("place");
    const QList<QRect> wide{QRect(0, 0, 1920, 1080)};
    const QList<QRect> small{QRect(0, 0, 720, 600)};
    const QRect editor(0, 0, 520, 460); // its map's viewport at (10, 60), 320 x 320
    const QMargins none;
    QTest::newRow("right of the editor, level with its top")
        << wide << editor << QRect() << none << QRect(520, 0, 256, 256);
    QTest::newRow("the window's frame left room for")
        << wide << editor << QRect() << QMargins(4, 20, 4, 4) << QRect(524, 20, 256, 256);
    QTest::newRow("at the screen's right edge: left of it")
        << wide << QRect(1400, 100, 520, 460) << QRect() << none << QRect(1144, 100, 256, 256);
    QTest::newRow("as wide as the screen: below it")
        << QList{QRect(0, 0, 520, 768)} << editor << QRect() << none << QRect(0, 460, 256, 256);
    QTest::newRow("no room on its screen: the next screen")
        << QList{QRect(0, 0, 520, 460), QRect(520, 0, 1280, 1024)} << editor << QRect() << none
        << QRect(520, 0, 256, 256);
    QTest::newRow("little room: narrower")
        << small << editor << QRect() << none << QRect(520, 0, 200, 256);
    QTest::newRow("no room beside the editor: beside its map's viewport")
        << QList{QRect(0, 0, 520, 460)} << editor << QRect() << none << QRect(330, 60, 190, 256);
    QTest::newRow("where the user put it")
        << wide << editor << QRect(1200, 500, 300, 200) << none << QRect(1200, 500, 300, 200);
    QTest::newRow("partly off the screen, where the user put it")
        << wide << editor << QRect(1800, 1000, 300, 200) << none << QRect(1800, 1000, 300, 200);
    QTest::newRow("off every screen now: beside, its size kept")
        << wide << editor << QRect(3000, 100, 300, 200) << none << QRect(520, 0, 300, 200);
    QTest::newRow("over the map: beside, its size kept")
        << wide << editor << QRect(100, 100, 300, 200) << none << QRect(520, 0, 300, 200);
}

void TestOverview::placement()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, editor);
    QFETCH(QRect, remembered);
    QFETCH(QMargins, frame);
    QFETCH(QRect, place);
    const QRect map(editor.topLeft() + QPoint(10, 60), QSize(320, 320));
    const QSize size = remembered.isNull() ? QSize(256, 256) : remembered.size();
    const auto kept = remembered.isNull() ? std::nullopt : std::optional(remembered);
    QCOMPARE(overviewPlace({screens, editor, map, frame, size, QSize(128, 128), kept}), place);
}

// Open on the editor, the overview follows a size change and the undo of a
// load at once, shows the check's route while the map does, and its wheel
// scrolls the editor's view.
void TestOverview::followsTheEditor()
{
    MazeState maze;
    FakeServices fakes;
    frmEdit w(maze, fakes.services());
    w.Form_Load();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.toggleOverview();
    MapOverview* overview = w.overview();
    QVERIFY(overview && overview->isVisible());
    const auto showsWhole = [&](int side) {
        return overview->scale() == overviewScale(QSize(side, side), overview->size()) &&
               overview->picture().size() == QSize(side, side) * overview->scale();
    };
    QVERIFY(showsWhole(32));
    w.Option[7]->click(); // 128 x 128
    QVERIFY(showsWhole(128));

    auto loaded = plainMap(64, 64, FirstFloor);
    loaded->header.StartX = loaded->header.StartY = loaded->header.GoalY = 1;
    loaded->header.GoalX = 9;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("m.mdt"));
    QVERIFY(MazeFile::write(path, loaded->header, loaded->grid).ok());
    fakes.fileDialog.answer(path);
    w.Command4_Click();
    QVERIFY(showsWhole(64));
    w.toggleCheck();
    QVERIFY(overview->showsRoute());
    w.toggleCheck();
    QVERIFY(!overview->showsRoute());
    w.undo();
    QVERIFY(showsWhole(128));

    ::wheel(overview, overview->rect().center(), QPoint(0, -120), Qt::NoModifier);
    QCOMPARE(overview->view(), QRect(0, QApplication::wheelScrollLines(), 20, 20));
    // Ctrl+wheel towards the user zooms the map out about the cell pointed at.
    const QPoint cell(100, 90);
    ::wheel(overview, overview->origin() + cell * overview->scale(), QPoint(0, -120),
            Qt::ControlModifier);
    QCOMPARE(w.zoom(), 8);
    QCOMPARE(overview->view().size(), QSize(40, 40));
    QVERIFY(overview->view().contains(cell));
}

// An overview open when a test play begins opens again where the user put
// it when the editor comes back.
void TestOverview::openAgainAfterTestPlay()
{
    MazeState maze;
    FakeServices fakes;
    Shell shell(maze, fakes.services());
    shell.start();
    shell.splash()->Label2_Click();
    QCoreApplication::processEvents();
    MDIMain* main = shell.mainWindow();
    main->mnuEdit_Click();
    frmEdit* editor = main->editor();
    maze.cell(2, 3).Chip = maze.cell(3, 3).Chip = FirstFloor;
    maze.header.StartX = maze.header.StartY = maze.header.GoalY = 3;
    maze.header.GoalX = 2;
    editor->toggleOverview();
    QVERIFY(QTest::qWaitForWindowExposed(editor->overview()));
    const QRect moved = editor->overview()->geometry().translated(8, 16);
    editor->overview()->setGeometry(moved);
    QTRY_COMPARE(fakes.windowPlaces.places.value(EditorOverview::PlaceName), std::optional(moved));

    editor->requestTestPlay();
    QVERIFY(main->player());
    main->player()->comStop->click();
    QTRY_VERIFY(main->editor());
    QVERIFY(main->editor()->showsOverview());
    QCOMPARE(main->editor()->overview()->geometry(), moved);
}

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
