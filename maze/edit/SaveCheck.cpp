#include "SaveCheck.h"

#include "MazeState.h"

namespace orvane {
namespace {

bool enterable(const MazeGrid& grid, int x, int y)
{
    const MazeCell* cell = grid.find(x, y);
    return cell && cell->Chip >= FirstFloor;
}

} // namespace

bool StartAndGoalValid(const MazeState& maze)
{
    const MazeHeader& h = maze.header;
    return enterable(maze.grid, h.StartX, h.StartY) && enterable(maze.grid, h.GoalX, h.GoalY);
}

} // namespace orvane
