#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

namespace orvane {

class MapCanvas;
struct MazeState;

// The cells a flood fill reaches: the cell it starts from and every cell the
// map shows that joins it through cells (up, down, left, right) holding the
// same chip and item.
struct FloodArea {
    std::vector<QPoint> cells; // row by row
    QRect bounds;              // their bounding box: what the fill may change
};

// The area from cell `from`; empty when the map does not show that cell.
// Found breadth first over a bitmap of the map, without recursion.
FloodArea floodArea(const MazeState& maze, QPoint from);

// Ctrl+Shift+click and F: the paint rule with SelectedChip on every cell of
// `area`, found on the maze as it stands, as PaintCells.
bool FloodFill(MazeState& maze, MapCanvas& canvas, const FloodArea& area);

} // namespace orvane
