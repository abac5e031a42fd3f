#include "FreshMaze.h"

#include "MapCanvas.h"
#include "MazeState.h"
#include "SheetCells.h"

namespace orvane {

void OpenFreshMaze(MazeState& maze, MapCanvas& canvas)
{
    maze.header = MazeHeader{};
    maze.grid.clear();
    maze.CursorX = maze.CursorY = 0;
    maze.MapMouseX = maze.MapMouseY = 0;
    maze.ChipMouseX = maze.ChipMouseY = 0;
    maze.TimeLeft = 0;

    maze.SelectedChip = FirstWall;
    maze.ChipCol = 0;
    maze.ChipRow = 0;
    MazeHeader& h = maze.header;
    const MapSize size = DefaultMapSize;
    h.StartX = 0;
    h.StartY = 0;
    h.GoalX = int16_t(size.width - 1);
    h.GoalY = int16_t(size.height - 1);
    h.MapWidth = size.width;
    h.MapHeight = size.height;
    h.TimeLimit = DefaultTimeLimit;

    const SheetCell wall = *sheetCellOfChip(FirstWall);
    for (int x = 0; x <= size.width; ++x) {
        for (int y = 0; y <= size.height; ++y) {
            maze.cell(x, y).Chip = FirstWall;
            canvas.drawChip(x, y, wall.column, wall.row);
        }
    }
    canvas.drawChip(h.StartX, h.StartY, StartMarker.column, StartMarker.row);
    canvas.drawChip(h.GoalX, h.GoalY, GoalMarker.column, GoalMarker.row);
    canvas.refreshMap();
}

} // namespace orvane
