#include "MapRedraw.h"

#include "CellDrawing.h"
#include "ChipDraw.h"
#include "MazeState.h"

#include <optional>
#include <vector>

namespace orvane {
namespace {

// Puts the window into its busy state and takes it out again on every exit.
class BusyScope {
public:
    explicit BusyScope(MapCanvas& canvas) : canvas_(canvas)
    {
        canvas_.setBusy(true);
        canvas_.refreshWindow();
    }
    ~BusyScope() { canvas_.setBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MapCanvas& canvas_;
};

} // namespace

bool RedrawMap(MazeState& maze, MapCanvas& canvas, int16_t width, int16_t height)
{
    if (width < MapSizeMin || width > MapSizeMax || height < MapSizeMin || height > MapSizeMax)
        return false;

    BusyScope busy(canvas);
    canvas.resizeMap(width * ChipSize, height * ChipSize);
    canvas.fitScrollBars(width, height);

    {
        // Cells do not overlap, so the terrain of a whole row of cells can be
        // drawn before what lies over it (as DrawCell draws it): scanline by
        // scanline, in memory order. Markers of cells outside the visited
        // range would fall outside the picture.
        ChipPainter painter(canvas.mapPicture(), canvas.chips());
        const MazeHeader& h = maze.header;
        std::vector<std::optional<SheetCell>> terrain(size_t(width) + 1);
        for (int y = 0; y <= height; ++y) {
            for (int x = 0; x <= width; ++x) {
                MazeCell& cell = maze.grid.at(x, y);
                terrain[size_t(x)] = sheetCellOfChip(cell.Chip);
                if (cell.Chip == UnsetChip)
                    cell.Chip = FirstWall;
            }
            painter.drawRow(0, y, terrain);
            const bool markerRow = y == h.StartY || y == h.GoalY;
            for (int x = 0; x <= width; ++x) {
                if (maze.grid.at(x, y).Item != NoItem || markerRow)
                    drawOverlays(painter, cellPictures(maze, x, y), x, y);
            }
        }
    }
    canvas.markDirty(canvas.mapPicture().rect());
    canvas.refreshMap();
    maze.header.MapWidth = width;
    maze.header.MapHeight = height;
    return true;
}

} // namespace orvane
