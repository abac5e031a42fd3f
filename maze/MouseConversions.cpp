#include "MouseConversions.h"

#include "MazeState.h"
#include "SheetCells.h"

#include <limits>

namespace orvane {
namespace {

// Truncating division of two pixel positions into a pair of 16-bit cells.
bool cellsOf(int32_t px, int32_t py, int16_t& cx, int16_t& cy)
{
    const int32_t qx = px / ChipSize; // C++ division truncates toward zero
    const int32_t qy = py / ChipSize;
    constexpr int32_t lo = std::numeric_limits<int16_t>::min();
    constexpr int32_t hi = std::numeric_limits<int16_t>::max();
    if (qx < lo || qx > hi || qy < lo || qy > hi)
        return false;
    cx = int16_t(qx);
    cy = int16_t(qy);
    return true;
}

} // namespace

bool CellFromMouse(MazeState& maze)
{
    return cellsOf(maze.MapMouseX, maze.MapMouseY, maze.CursorX, maze.CursorY);
}

bool ChipFromMouse(MazeState& maze)
{
    return cellsOf(maze.ChipMouseX, maze.ChipMouseY, maze.ChipCol, maze.ChipRow);
}

void CodeFromChip(MazeState& maze)
{
    if (maze.ChipRow >= 0 && maze.ChipRow < PaletteRows && maze.ChipCol >= 0 &&
        maze.ChipCol < SheetColumns)
        maze.SelectedChip = int16_t(codeOfPaletteCell(maze.ChipCol, maze.ChipRow));
}

} // namespace orvane
