#pragma once

#include "Moves.h"

#include <QPoint>

#include <optional>
#include <vector>

namespace orvane {

class PlayBoard;
struct MazeState;

// How the slides of a key press ended.
enum class SlideEnd {
    Rest,    // on a cell without an arrow that slides (or no slide at all)
    Blocked, // on an arrow whose cell ahead cannot be entered
    Cycle,   // on an arrow of a closed cycle, before entering a cell again
};

// What a key press did, and what the window must do about it.
struct KeyOutcome {
    QPoint viewShift;         // pixels the map picture moves by, against the ball's moves
    bool reachedGoal = false; // the goal test held: the player window closes
    int steps = 0;            // cells the ball moved, key step and slides
    SlideEnd slideEnd = SlideEnd::Rest;
};

// One key press of a game. `key` is the direction of an arrow key, nothing
// for any other key. In this order: the key step onto a floor chip (walls,
// unset and outside cells refuse it; Chip 13 and above refuses it but the
// arrow under the ball still applies); at most one slide; the goal test; the
// rest of the arrow chain. Moves CursorX and CursorY and draws on the board
// in that order; never changes the grid or the header. A slide blocked by a
// wall, and a chain that would enter a cell a second time, end the press
// with the ball and its arrow drawn on the cell where it rests. When `path`
// is given, every cell the ball enters is appended to it, in order.
KeyOutcome KeyStep(MazeState& maze, PlayBoard& board, std::optional<Direction> key,
                   std::vector<QPoint>* path = nullptr);

} // namespace orvane
