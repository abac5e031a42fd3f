#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace orvane {

class MapCanvas;
struct MazeState;

// The cells of a straight line from `from` to `to`, both included, each
// sharing an edge with the one before (so a wall drawn with it has no gap):
// along a slant it steps as Bresenham's line does, but one axis at a time,
// taking the step that keeps nearer the true line (the vertical one on a
// tie).
std::vector<QPoint> lineCells(QPoint from, QPoint to);

// The cells a line between two cells may change: their bounding box, where
// the map shows it.
QRect lineBounds(const MazeState& maze, QPoint from, QPoint to);

// Shift+click: the paint rule with SelectedChip on the cells of the line, as
// PaintCells.
bool PaintLine(MazeState& maze, MapCanvas& canvas, QPoint from, QPoint to);

// A drag step with `buttons` held, from `from` (the cell of the drag's step
// before, or the cell it was pressed on) to the cursor cell: when painting is
// allowed and the left button alone is held, paints every cell of the line
// between them, so that a quick stroke leaves no gap, and shows them at once.
// Returns whether a cell changed.
bool DragPaintLine(MazeState& maze, MapCanvas& canvas, QPoint from, int buttons, bool busy);

} // namespace orvane
