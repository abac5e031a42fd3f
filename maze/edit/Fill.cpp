#include "Fill.h"

#include "CellDrawing.h"
#include "ChipDraw.h"
#include "MapCanvas.h"
#include "MazeState.h"

namespace orvane {

bool FillMap(MazeState& maze, MapCanvas& canvas)
{
    const int chip = maze.SelectedChip;
    if (chip < FirstWall || chip > LastFloor)
        return false;
    const int width = maze.header.MapWidth;
    const int height = maze.header.MapHeight;
    {
        ChipPainter painter(canvas.mapPicture(), canvas.chips());
        for (int x = 0; x <= width; ++x) {
            for (int y = 0; y <= height; ++y) {
                if (!MazeGrid::contains(x, y))
                    continue;
                maze.cell(x, y).Chip = int16_t(chip);
                drawCellPictures(painter, cellPictures(maze, x, y), x, y);
            }
        }
    }
    canvas.markDirty(canvas.mapPicture().rect());
    canvas.refreshMap();
    return true;
}

} // namespace orvane
