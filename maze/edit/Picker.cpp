#include "Picker.h"

#include "MazeState.h"
#include "MouseConversions.h"
#include "SheetCells.h"
#include "ShownCells.h"

namespace orvane {

bool PickChip(MazeState& maze, QPoint cell)
{
    if (!shownCells(maze.header).contains(cell))
        return false;
    const int16_t chip = maze.cell(cell.x(), cell.y()).Chip;
    if (chip < FirstWall || chip > LastFloor)
        return false;
    const SheetCell palette = *sheetCellOfChip(chip);
    maze.ChipCol = int16_t(palette.column);
    maze.ChipRow = int16_t(palette.row);
    CodeFromChip(maze);
    return true;
}

} // namespace orvane
