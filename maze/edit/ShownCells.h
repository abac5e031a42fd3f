#pragma once

#include <QRect>

namespace orvane {

struct MazeHeader;
struct MazeState;

// The cells the map shows: 0..MapWidth-1 x 0..MapHeight-1, the cells the
// construction tools read and change.
QRect shownCells(const MazeHeader& header);

// The part of `cells` the map shows (empty when none).
QRect shownPart(const MazeState& maze, QRect cells);

} // namespace orvane
