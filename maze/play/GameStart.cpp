#include "GameStart.h"

#include "MazeState.h"
#include "PlayBoard.h"

namespace orvane {

QPoint StartGame(MazeState& maze, PlayBoard& board)
{
    board.restore(maze);
    maze.CursorX = maze.header.StartX;
    maze.CursorY = maze.header.StartY;
    const QPoint ball(maze.CursorX, maze.CursorY);
    board.drawBall(ball);
    return BallInView - ball * ChipSize;
}

} // namespace orvane
