#pragma once

#include "MazeCell.h"
#include "SheetCells.h"

#include <QPoint>

#include <optional>
#include <span>

namespace orvane {

class ChipPainter;
class MapCanvas;
struct MazeState;

// What one cell of a map shows, bottom to top: its terrain, its item, then
// the start marker and the goal marker when it is that cell.
struct CellPictures {
    std::optional<SheetCell> terrain;
    std::optional<SheetCell> item;
    bool start = false;
    bool goal = false;
};

// What a cell holding `cell` shows, with the markers when it is their cell.
CellPictures cellPictures(MazeCell cell, bool start, bool goal);
// What cell (x, y) of the maze shows; outside the grid, only markers.
CellPictures cellPictures(const MazeState& maze, int x, int y);

// Draws the pictures of a cell at cell (x, y), bottom to top: the one way
// every drawing of a whole cell goes.
void drawCellPictures(ChipPainter& painter, const CellPictures& pictures, int x, int y);

// Draws cell (x, y) whole, as the full redraw draws it, and marks it dirty.
// Changes nothing in the model (a Chip of 0 is drawn as chip 1).
void DrawCell(const MazeState& maze, MapCanvas& canvas, int x, int y);

// Draws many cells as DrawCell does, marking their bounding box dirty once.
void DrawCells(const MazeState& maze, MapCanvas& canvas, std::span<const QPoint> cells);

} // namespace orvane
