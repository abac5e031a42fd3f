#pragma once

#include <QRect>

namespace orvane {

struct MazeHeader;
struct MazeState;

// The cells the map shows: 0..MapWidth-1 x 0..MapHeight-1, the cells the
// construction tools read and change.
QRect shownCells(const MazeHeader& header);

// The cells of the rectangle with corner cells `a` and `b`, either way round
// (QRect(a, b).normalized() is a cell short on each side where b lies
// before a).
QRect cellsBetween(QPoint a, QPoint b);

// The part of `cells` the map shows (empty when none).
QRect shownPart(const MazeState& maze, QRect cells);

} // namespace orvane
