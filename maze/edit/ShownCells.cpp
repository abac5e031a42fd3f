#include "ShownCells.h"

#include "MazeState.h"

namespace orvane {

QRect shownCells(const MazeHeader& header)
{
    return QRect(0, 0, header.MapWidth, header.MapHeight);
}

QRect shownPart(const MazeState& maze, QRect cells)
{
    return cells.normalized() & shownCells(maze.header);
}

} // namespace orvane
