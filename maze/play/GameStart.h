#pragma once

#include "MazeConstants.h"

#include <QPoint>

namespace orvane {

class PlayBoard;
struct MazeState;

// The player's view is 32 x 32 cells; the ball stays at its middle.
inline constexpr int PlayViewCells = 32;
inline constexpr QPoint BallInView{PlayViewCells / 2 * ChipSize,
                                   PlayViewCells / 2 * ChipSize}; // (256, 256)

// Starts a game on the drawn map: the cells an earlier game drew on are drawn
// whole again, the ball is put on the start cell (CursorX, CursorY) and drawn
// over the start marker. Returns where the map picture goes so that the
// ball's cell sits at BallInView, wherever keys left the view after a game.
QPoint StartGame(MazeState& maze, PlayBoard& board);

} // namespace orvane
