#include "MapRedraw.h"

#include "MapTiles.h"
#include "MazeState.h"

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
    // The cells' tiles, read before anything changes. Column width and row
    // height lie outside the picture: only their Chip 0 is turned into 1.
    const MapTiles tiles(maze, canvas.chips(), width, height);
    if (tiles.coverAll())
        canvas.resizeMapToCover(width * ChipSize, height * ChipSize);
    else
        canvas.resizeMap(width * ChipSize, height * ChipSize);
    canvas.fitScrollBars(width, height);
    WallUnsetChips(maze.grid, width, height);
    QImage& picture = canvas.mapPicture();
    tiles.draw(maze, picture);
    canvas.markDirty(picture.rect());
    canvas.refreshMap();
    maze.header.MapWidth = width;
    maze.header.MapHeight = height;
    return true;
}

void WallUnsetChips(MazeGrid& grid, int16_t width, int16_t height)
{
    for (int y = 0; y <= height; ++y) {
        for (int x = 0; x <= width; ++x) {
            if (MazeCell& cell = grid.at(x, y); cell.Chip == UnsetChip)
                cell.Chip = FirstWall;
        }
    }
}

} // namespace orvane
