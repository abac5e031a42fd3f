#include "Line.h"

#include "MazeState.h"
#include "Paint.h"
#include "ShownCells.h"

#include <cstdlib>

namespace orvane {

std::vector<QPoint> lineCells(QPoint from, QPoint to)
{
    // In 64 bits: the products below reach 2^33 for 16-bit cells.
    const int64_t dx = std::abs(to.x() - from.x());
    const int64_t dy = std::abs(to.y() - from.y());
    const int sx = to.x() < from.x() ? -1 : 1;
    const int sy = to.y() < from.y() ? -1 : 1;
    std::vector<QPoint> cells;
    cells.reserve(size_t(dx + dy + 1));
    QPoint p = from;
    cells.push_back(p);
    // ix, iy: steps taken. Step across when the middle of the next column
    // comes before the middle of the next row along the line:
    // (ix + 1/2) / dx < (iy + 1/2) / dy.
    for (int64_t ix = 0, iy = 0; ix < dx || iy < dy;) {
        if ((2 * ix + 1) * dy < (2 * iy + 1) * dx) {
            p.rx() += sx;
            ++ix;
        } else {
            p.ry() += sy;
            ++iy;
        }
        cells.push_back(p);
    }
    return cells;
}

QRect lineBounds(const MazeState& maze, QPoint from, QPoint to)
{
    return shownPart(maze, cellsBetween(from, to));
}

bool PaintLine(MazeState& maze, MapCanvas& canvas, QPoint from, QPoint to)
{
    return PaintCells(maze, canvas, lineCells(from, to));
}

bool DragPaintLine(MazeState& maze, MapCanvas& canvas, QPoint from, int buttons, bool busy)
{
    if (buttons != MouseButton::Left || !PaintingAllowed(maze, canvas, busy))
        return false;
    return PaintLine(maze, canvas, from, {maze.CursorX, maze.CursorY});
}

} // namespace orvane
