#include "ShownCells.h"

#include "MazeState.h"

#include <algorithm>

namespace orvane {

QRect shownCells(const MazeHeader& header)
{
    return QRect(0, 0, header.MapWidth, header.MapHeight);
}

QRect cellsBetween(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

QRect shownPart(const MazeState& maze, QRect cells)
{
    return cells & shownCells(maze.header);
}

} // namespace orvane
