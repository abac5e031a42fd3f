#include "RectanglePaint.h"

#include "MazeState.h"
#include "Paint.h"
#include "ShownCells.h"

#include <vector>

namespace orvane {

bool PaintRectangle(MazeState& maze, MapCanvas& canvas, QRect cells)
{
    cells = shownPart(maze, cells);
    std::vector<QPoint> points;
    points.reserve(size_t(cells.width()) * size_t(cells.height()));
    for (int y = cells.top(); y <= cells.bottom(); ++y)
        for (int x = cells.left(); x <= cells.right(); ++x)
            points.emplace_back(x, y);
    return PaintCells(maze, canvas, points);
}

bool PaintOutline(MazeState& maze, MapCanvas& canvas, QRect cells)
{
    cells = cells.normalized();
    std::vector<QPoint> points;
    for (int x = cells.left(); x <= cells.right(); ++x)
        points.insert(points.end(), {QPoint(x, cells.top()), QPoint(x, cells.bottom())});
    for (int y = cells.top() + 1; y < cells.bottom(); ++y)
        points.insert(points.end(), {QPoint(cells.left(), y), QPoint(cells.right(), y)});
    return PaintCells(maze, canvas, points);
}

} // namespace orvane
