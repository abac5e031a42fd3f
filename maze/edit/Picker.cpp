#include "Picker.h"

#include "MazeState.h"
#include "MouseConversions.h"
#include "SheetCells.h"
#include "ShownCells.h"

namespace orvane {
namespace {

// The palette code of what `cell` shows on top, or 0 when it is no code.
int topCode(const MazeState& maze, QPoint cell)
{
    const MazeHeader& h = maze.header;
    if (cell == QPoint(h.GoalX, h.GoalY))
        return GoalCode;
    if (cell == QPoint(h.StartX, h.StartY))
        return StartCode;
    const MazeCell& c = maze.cell(cell.x(), cell.y());
    if (c.Item >= ArrowUp && c.Item <= ArrowRight)
        return FirstItemCode - 1 + c.Item;
    return c.Chip >= FirstWall && c.Chip <= LastFloor ? c.Chip : 0;
}

} // namespace

bool PickChip(MazeState& maze, QPoint cell)
{
    if (!shownCells(maze.header).contains(cell))
        return false;
    const int code = topCode(maze, cell);
    if (code == 0)
        return false;
    maze.ChipCol = int16_t((code - 1) % SheetColumns);
    maze.ChipRow = int16_t((code - 1) / SheetColumns);
    CodeFromChip(maze);
    return true;
}

} // namespace orvane
