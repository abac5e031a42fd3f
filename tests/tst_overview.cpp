#include "ChipSheet.h"
#include "MapOverview.h"
#include "MazeState.h"

#include <QSignalSpy>
#include <QTest>

using namespace orvane;

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

} // namespace

class TestOverview : public QObject {
    Q_OBJECT

private slots:
    void drawsOnlyReportedCells();
    void clickMovesView_data();
    void clickMovesView();
};

// A cell painted and reported shows at once; a cell changed but not reported
// is not drawn again.
void TestOverview::drawsOnlyReportedCells()
{
    const auto maze = plainMap(MapSizeMax, MapSizeMax, FirstWall);
    const auto floors = plainMap(MapSizeMax, MapSizeMax, FirstFloor);
    MapOverview overview(*maze, ChipSheet::standard());
    const MapOverview floorOverview(*floors, ChipSheet::standard());
    QCOMPARE(overview.picture().size(), QSize(MapOverview::MaxSide, MapOverview::MaxSide));
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
}

void TestOverview::clickMovesView()
{
    QFETCH(int, side);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QPoint, topLeft);
    const auto maze = plainMap(side, side, FirstFloor);
    MapOverview overview(*maze, ChipSheet::standard());
    overview.setView(QRect(10, 10, 20, 20));
    overview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&overview));
    QSignalSpy moved(&overview, &MapOverview::viewMoved);
    const auto at = [&](QPoint cell) { return cell * overview.scale() + QPoint(1, 1); };
    QTest::mousePress(&overview, Qt::LeftButton, {}, at(press));
    QTest::mouseMove(&overview, at(release));
    QTest::mouseRelease(&overview, Qt::LeftButton, {}, at(release));
    QVERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(0).toPoint(), topLeft);
    QCOMPARE(overview.view(), QRect(topLeft, QSize(20, 20)));
}

QTEST_MAIN(TestOverview)
#include "tst_overview.moc"
