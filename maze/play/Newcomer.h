#pragma once
// A first-time player, simulated. It knows only the cells the player's view
// has shown: the ball's own view around every cell it passes. Once the goal
// has been in view and a way to it is known, it walks that way by the fewest
// keys; until then it goes to the nearest cell, by keys, where a key would
// take the ball through a cell it has not seen, and presses it. A walk that
// runs out of ways (a trap) starts again, remembering what it saw. Every key
// goes where KeyStep takes it: slides and one-way arrows as in a game.

#include "Analysis.h"
#include "GameStart.h"

#include <array>

namespace orvane {

struct MazeState;
struct WalkTrace;

// The cells the view shows around the ball: its cell sits at BallInView of a
// view PlayViewCells wide, so 16 columns and rows lie before it (left, above)
// and 15 after it (right, below).
inline constexpr int ViewCellsBefore = BallInView.x() / ChipSize;
inline constexpr int ViewCellsAfter = PlayViewCells - 1 - ViewCellsBefore;

// One walk a key order: the arrow keys clockwise from each side in turn
// (U R D L, R D L U, D L U R, L U R D), S last. The order breaks every tie,
// so a walk is the same on every run.
inline constexpr int NewcomerWalkCount = 4;

struct NewcomerWalk {
    int keys = 0;          // keys pressed, those of walks that ended in a trap included
    int deadEnds = 0;      // times the ball was taken back to the cell it had just left
    int trapsMet = 0;      // times the walk had no way on and started again
    int forks = 0;         // cells rested on with a wrong way on (Forks.h), each once
    double choices = 0;    // the wrong ways of those forks, weighed by the cells behind them
    bool finished = false; // the game ended within the bound on keys
};

// The most keys a walk presses: a walk that has not ended by then counts
// as this many keys, unfinished.
int newcomerKeyBound(const MazeAnalysis& analysis);

// The walks on a maze whose analysis can be solved; none otherwise. Given a
// trace, where they went is added to it.
std::array<NewcomerWalk, NewcomerWalkCount>
walkAsNewcomer(const MazeState& maze, const MazeAnalysis& analysis, WalkTrace* trace = nullptr);

} // namespace orvane
