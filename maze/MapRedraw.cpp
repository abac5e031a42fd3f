#include "MapRedraw.h"

#include "ChipDraw.h"
#include "MazeState.h"
#include "SheetCells.h"

#include <optional>
#include <vector>

namespace orvane {
namespace {

// Puts the window into its busy state and takes it out again on every exit.
class BusyScope {
public:
    explicit BusyScope(MapCanvas& canvas) : canvas_(canvas)
    {
        canvas_.setBusy(true, PreparingText);
        canvas_.refreshWindow();
    }
    ~BusyScope() { canvas_.setBusy(false, QString()); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MapCanvas& canvas_;
};

} // namespace

void MapCanvas::drawChip(int x, int y, int column, int row)
{
    markDirty(DrawChip(mapPicture(), chips(), x, y, column, row));
}

bool RedrawMap(MazeState& maze, MapCanvas& canvas, int16_t width, int16_t height)
{
    if (width < MapSizeMin || width > MapSizeMax || height < MapSizeMin || height > MapSizeMax)
        return false;

    BusyScope busy(canvas);
    canvas.resizeMap(width * ChipSize, height * ChipSize);
    canvas.fitScrollBars(width, height);

    {
        // Cells do not overlap, so the terrain of a whole row of cells can be
        // drawn before its items: scanline by scanline, in memory order.
        ChipPainter painter(canvas.mapPicture(), canvas.chips());
        std::vector<std::optional<SheetCell>> terrain(size_t(width) + 1);
        for (int y = 0; y <= height; ++y) {
            for (int x = 0; x <= width; ++x) {
                MazeCell& cell = maze.grid.at(x, y);
                terrain[size_t(x)] = sheetCellOfChip(cell.Chip);
                if (cell.Chip == UnsetChip)
                    cell.Chip = FirstWall;
            }
            painter.drawRow(0, y, terrain);
            for (int x = 0; x <= width; ++x) {
                if (const int16_t item = maze.grid.at(x, y).Item; item != NoItem) {
                    const SheetCell picture = sheetCellOfItem(item);
                    painter.draw(x, y, picture.column, picture.row);
                }
            }
        }
        const MazeHeader& h = maze.header;
        painter.draw(h.StartX, h.StartY, StartMarker.column, StartMarker.row);
        painter.draw(h.GoalX, h.GoalY, GoalMarker.column, GoalMarker.row);
    }
    canvas.markDirty(canvas.mapPicture().rect());
    canvas.refreshMap();
    maze.header.MapWidth = width;
    maze.header.MapHeight = height;
    return true;
}

} // namespace orvane
