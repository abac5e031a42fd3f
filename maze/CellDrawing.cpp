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

void DrawCell(const MazeState& maze, MapCanvas& canvas, int x, int y)
{
    const CellPictures pictures = cellPictures(maze, x, y);
    QImage& picture = canvas.mapPicture();
    {
        ChipPainter painter(picture, canvas.chips());
        if (pictures.terrain)
            painter.draw(x, y, pictures.terrain->column, pictures.terrain->row);
        drawOverlays(painter, pictures, x, y);
    }
    canvas.markDirty(QRect(x * ChipSize, y * ChipSize, ChipSize, ChipSize) & picture.rect());
}

} // namespace orvane
