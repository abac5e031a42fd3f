#include "ShownChange.h"

#include "CellDrawing.h"
#include "MapCanvas.h"
#include "MazeState.h"
#include "ShownCells.h"

namespace orvane {
namespace {

QPoint startOf(const MazeState& maze)
{
    return {maze.header.StartX, maze.header.StartY};
}

QPoint goalOf(const MazeState& maze)
{
    return {maze.header.GoalX, maze.header.GoalY};
}

} // namespace

ShownChange::ShownChange(const MazeState& maze, QRect cells)
    : cells_(shownPart(maze, cells)), before_(copyRegion(maze, cells_)), start_(startOf(maze)),
      goal_(goalOf(maze))
{
}

bool ShownChange::show(const MazeState& maze, MapCanvas& canvas) const
{
    bool changed = false;
    {
        CellBatch batch(maze, canvas);
        for (int y = 0; y < before_.height; ++y) {
            for (int x = 0; x < before_.width; ++x) {
                const QPoint p = cells_.topLeft() + QPoint(x, y);
                if (maze.cell(p.x(), p.y()) != before_.at(x, y)) {
                    batch.draw(p);
                    changed = true;
                }
            }
        }
        for (const auto& [was, now] : {std::pair(start_, startOf(maze)), {goal_, goalOf(maze)}}) {
            if (was != now) {
                batch.draw(was);
                batch.draw(now);
                changed = true;
            }
        }
    }
    if (changed)
        canvas.refreshMap();
    return changed;
}

} // namespace orvane
