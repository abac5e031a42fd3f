#include "CellDrawing.h"

#include "ChipDraw.h"
#include "MapCanvas.h"
#include "MazeState.h"

namespace orvane {

CellPictures cellPictures(const MazeState& maze, int x, int y)
{
    CellPictures p;
    const MazeHeader& h = maze.header;
    p.start = h.StartX == x && h.StartY == y;
    p.goal = h.GoalX == x && h.GoalY == y;
    if (const MazeCell* cell = maze.grid.find(x, y)) {
        p.terrain = sheetCellOfChip(cell->Chip);
        if (cell->Item != NoItem)
            p.item = sheetCellOfItem(cell->Item);
    }
    return p;
}

void drawOverlays(ChipPainter& painter, const CellPictures& pictures, int x, int y)
{
    if (pictures.item)
        painter.draw(x, y, pictures.item->column, pictures.item->row);
    if (pictures.start)
        painter.draw(x, y, StartMarker.column, StartMarker.row);
    if (pictures.goal)
        painter.draw(x, y, GoalMarker.column, GoalMarker.row);
}

namespace {

void drawWhole(ChipPainter& painter, const MazeState& maze, int x, int y)
{
    const CellPictures pictures = cellPictures(maze, x, y);
    if (pictures.terrain)
        painter.draw(x, y, pictures.terrain->column, pictures.terrain->row);
    drawOverlays(painter, pictures, x, y);
}

} // namespace

void DrawCell(const MazeState& maze, MapCanvas& canvas, int x, int y)
{
    const QPoint cell(x, y);
    DrawCells(maze, canvas, std::span(&cell, 1));
}

void DrawCells(const MazeState& maze, MapCanvas& canvas, std::span<const QPoint> cells)
{
    QImage& picture = canvas.mapPicture();
    QRect drawn;
    {
        ChipPainter painter(picture, canvas.chips());
        for (QPoint cell : cells) {
            drawWhole(painter, maze, cell.x(), cell.y());
            drawn |= QRect(cell * ChipSize, QSize(ChipSize, ChipSize));
        }
    }
    drawn &= picture.rect();
    if (!drawn.isEmpty())
        canvas.markDirty(drawn);
}

} // namespace orvane
