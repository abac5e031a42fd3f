#include "CellDrawing.h"

#include "ChipDraw.h"
#include "MapCanvas.h"
#include "MazeState.h"

namespace orvane {

CellPictures cellPictures(MazeCell cell, bool start, bool goal)
{
    CellPictures p;
    p.terrain = sheetCellOfChip(cell.Chip);
    if (cell.Item != NoItem)
        p.item = sheetCellOfItem(cell.Item);
    p.start = start;
    p.goal = goal;
    return p;
}

CellPictures cellPictures(const MazeState& maze, int x, int y)
{
    const MazeHeader& h = maze.header;
    const bool start = h.StartX == x && h.StartY == y;
    const bool goal = h.GoalX == x && h.GoalY == y;
    if (const MazeCell* cell = maze.grid.find(x, y))
        return cellPictures(*cell, start, goal);
    CellPictures markers;
    markers.start = start;
    markers.goal = goal;
    return markers;
}

void drawCellPictures(ChipPainter& painter, const CellPictures& pictures, int x, int y)
{
    if (pictures.terrain)
        painter.draw(x, y, pictures.terrain->column, pictures.terrain->row);
    if (pictures.item)
        painter.draw(x, y, pictures.item->column, pictures.item->row);
    if (pictures.start)
        painter.draw(x, y, StartMarker.column, StartMarker.row);
    if (pictures.goal)
        painter.draw(x, y, GoalMarker.column, GoalMarker.row);
}

void DrawCell(const MazeState& maze, MapCanvas& canvas, int x, int y)
{
    const QPoint cell(x, y);
    DrawCells(maze, canvas, std::span(&cell, 1));
}

void DrawCells(const MazeState& maze, MapCanvas& canvas, std::span<const QPoint> cells)
{
    CellBatch batch(maze, canvas);
    for (QPoint cell : cells)
        batch.draw(cell);
}

CellBatch::CellBatch(const MazeState& maze, MapCanvas& canvas)
    : maze_(maze), canvas_(canvas), painter_(canvas.mapPicture(), canvas.chips())
{
}

CellBatch::~CellBatch()
{
    const QRect pixels(drawn_.topLeft() * ChipSize, drawn_.size() * ChipSize);
    if (const QRect dirty = pixels & canvas_.mapPicture().rect(); !dirty.isEmpty())
        canvas_.markDirty(dirty);
}

void CellBatch::draw(int x, int y)
{
    drawCellPictures(painter_, cellPictures(maze_, x, y), x, y);
    drawn_ |= QRect(x, y, 1, 1);
}

} // namespace orvane
