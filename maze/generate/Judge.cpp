#include "Judge.h"

#include "MazeState.h"
#include "edit/SaveCheck.h"

namespace orvane::generate {
namespace {

bool isArrow(int16_t item)
{
    return item >= ArrowUp && item <= ArrowRight;
}

} // namespace

Verdict judgeMaze(const MazeState& maze)
{
    Verdict v;
    v.analysis = analyseMaze(maze);
    for (int y = 0; y < maze.header.MapHeight; ++y)
        for (int x = 0; x < maze.header.MapWidth; ++x)
            v.arrows += isArrow(maze.cell(x, y).Item);
    v.saveable = editorWouldSave(maze);
    return v;
}

void gradeMaze(const MazeState& maze, Verdict& v)
{
    v.difficulty = measureDifficulty(maze, v.analysis);
}

bool editorWouldSave(const MazeState& maze)
{
    if (!StartAndGoalValid(maze))
        return false;
    const int width = maze.header.MapWidth;
    const int height = maze.header.MapHeight;
    for (int y = GridMin; y <= GridMax; ++y) {
        for (int x = GridMin; x <= GridMax; ++x) {
            const MazeCell& c = maze.cell(x, y);
            const bool inMap = x >= 0 && y >= 0 && x < width && y < height;
            const bool border = x >= 0 && y >= 0 && x <= width && y <= height && !inMap;
            if (inMap ? c.Chip < FirstWall || c.Chip > LastFloor ||
                            (c.Item != NoItem && (c.Chip < FirstFloor || !isArrow(c.Item)))
                      : c != MazeCell{border ? FirstWall : UnsetChip, NoItem})
                return false;
        }
    }
    return true;
}

} // namespace orvane::generate
