#pragma once

#include <QRect>

namespace orvane {

class MapCanvas;
struct MazeState;

// Delete and Ctrl+X: the paint rule with SelectedChip on every cell of
// `cells`, as PaintCells. It may change shownPart(maze, cells).
bool PaintRectangle(MazeState& maze, MapCanvas& canvas, QRect cells);

// O: the paint rule with SelectedChip on the outline of `cells` (its first
// and last rows and columns), as PaintCells. It may change
// shownPart(maze, cells).
bool PaintOutline(MazeState& maze, MapCanvas& canvas, QRect cells);

} // namespace orvane
