#include "ClickTools.h"

#include "MazeState.h"
#include "edit/EditHistory.h"
#include "edit/FloodFill.h"
#include "edit/ToolSteps.h"

namespace orvane {

void LineTool::click(QPoint cell)
{
    c_.state().select(std::nullopt, c_.maze.header); // a click without Ctrl drops it
    LineStep(c_.maze, c_.history, c_.canvas, cell);
}

void FloodTool::fill(QPoint cell)
{
    const FloodArea area = floodArea(c_.maze, cell);
    if (area.cells.empty())
        return;
    c_.history.step(EditKind::FloodFill, area.bounds,
                    [&] { return FloodFill(c_.maze, c_.canvas, area); });
}

} // namespace orvane
