#pragma once

#include "ChipDraw.h"
#include "MazeCell.h"
#include "SheetCells.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <span>

namespace orvane {

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

// Draws cells one by one as DrawCell does, under one painter, and marks
// their bounding box dirty once, when it ends. Nothing else may draw on the
// canvas meanwhile.
class CellBatch {
public:
    CellBatch(const MazeState& maze, MapCanvas& canvas);
    ~CellBatch();
    CellBatch(const CellBatch&) = delete;
    CellBatch& operator=(const CellBatch&) = delete;

    void draw(int x, int y);
    void draw(QPoint cell) { draw(cell.x(), cell.y()); }
    // Whether any cell was drawn.
    bool drewAny() const { return !drawn_.isEmpty(); }

private:
    const MazeState& maze_;
    MapCanvas& canvas_;
    ChipPainter painter_;
    QRect drawn_; // in cells
};

} // namespace orvane
