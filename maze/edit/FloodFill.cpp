#include "FloodFill.h"

#include "MazeState.h"
#include "Paint.h"
#include "ShownCells.h"

#include <algorithm>
#include <cstdint>

namespace orvane {

FloodArea floodArea(const MazeState& maze, QPoint from)
{
    FloodArea area;
    const QRect shown = shownCells(maze.header);
    if (!shown.contains(from))
        return area;
    const int width = shown.width();
    const MazeCell like = maze.cell(from.x(), from.y());
    std::vector<uint8_t> seen(size_t(width) * size_t(shown.height()), 0);
    const auto visit = [&](int x, int y) {
        uint8_t& s = seen[size_t(y) * size_t(width) + size_t(x)];
        if (!s && maze.cell(x, y) == like) {
            s = 1;
            area.cells.emplace_back(x, y);
        }
    };
    // The cells found are the queue: those before `next` have been expanded.
    area.cells.reserve(seen.size());
    visit(from.x(), from.y());
    int left = from.x(), right = from.x(), top = from.y(), bottom = from.y();
    for (size_t next = 0; next < area.cells.size(); ++next) {
        const QPoint p = area.cells[next];
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
        if (p.x() > 0)
            visit(p.x() - 1, p.y());
        if (p.x() + 1 < width)
            visit(p.x() + 1, p.y());
        if (p.y() > 0)
            visit(p.x(), p.y() - 1);
        if (p.y() + 1 < shown.height())
            visit(p.x(), p.y() + 1);
    }
    area.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    return area;
}

bool FloodFill(MazeState& maze, MapCanvas& canvas, const FloodArea& area)
{
    return PaintCells(maze, canvas, area.cells);
}

} // namespace orvane
