#include "Paint.h"

#include "CellDrawing.h"
#include "MapCanvas.h"
#include "MazeState.h"
#include "MouseConversions.h"
#include "ShownCells.h"

namespace orvane {
namespace {

bool isChipCode(int code)
{
    return code >= FirstWall && code <= LastFloor;
}

bool isItemCode(int code)
{
    return code >= FirstItemCode && code <= LastItemCode;
}

// Chips an item may lie on: the floors, and the codes 13..16 a file may hold.
bool holdsItems(int chip)
{
    return chip >= FirstFloor && chip <= LastItemCode;
}

} // namespace

bool PaintingAllowed(const MazeState& maze, MapCanvas& canvas, bool busy)
{
    const QImage& picture = canvas.mapPicture();
    return !busy && maze.MapMouseX >= 0 && maze.MapMouseY >= 0 &&
           maze.MapMouseX < picture.width() && maze.MapMouseY < picture.height();
}

bool PaintRule(MazeCell& cell, int code)
{
    if (isChipCode(code)) {
        cell.Chip = int16_t(code);
        cell.Item = NoItem;
    } else if (isItemCode(code) && holdsItems(cell.Chip)) {
        cell.Item = int16_t(code - FirstItemCode + ArrowUp);
    } else {
        return false;
    }
    return true;
}

bool PaintCells(MazeState& maze, MapCanvas& canvas, std::span<const QPoint> cells)
{
    const QRect shown = shownCells(maze.header);
    bool changed = false;
    {
        CellBatch batch(maze, canvas);
        for (QPoint p : cells) {
            if (!shown.contains(p))
                continue;
            MazeCell& cell = maze.cell(p.x(), p.y());
            const MazeCell before = cell;
            if (PaintRule(cell, maze.SelectedChip) && cell != before) {
                batch.draw(p);
                changed = true;
            }
        }
    }
    if (changed)
        canvas.refreshMap();
    return changed;
}

bool PaintCell(MazeState& maze, MapCanvas& canvas, int x, int y)
{
    if (!PaintRule(maze.cell(x, y), maze.SelectedChip))
        return false;
    DrawCell(maze, canvas, x, y);
    return true;
}

bool PlaceMarker(MazeState& maze, MapCanvas& canvas, int x, int y)
{
    MazeHeader& h = maze.header;
    int16_t* markerX = nullptr;
    int16_t* markerY = nullptr;
    if (maze.SelectedChip == StartCode) {
        markerX = &h.StartX;
        markerY = &h.StartY;
    } else if (maze.SelectedChip == GoalCode) {
        markerX = &h.GoalX;
        markerY = &h.GoalY;
    } else {
        return false;
    }
    if (*markerX == x && *markerY == y)
        return false;
    const int oldX = *markerX;
    const int oldY = *markerY;
    maze.cell(x, y).Item = NoItem;
    *markerX = int16_t(x);
    *markerY = int16_t(y);
    DrawCell(maze, canvas, x, y);
    DrawCell(maze, canvas, oldX, oldY);
    return true;
}

void MapPointerMoved(MazeState& maze, int x, int y)
{
    maze.MapMouseX = x;
    maze.MapMouseY = y;
    CellFromMouse(maze);
}

bool MapClicked(MazeState& maze, MapCanvas& canvas, bool busy)
{
    if (!PaintingAllowed(maze, canvas, busy))
        return false;
    const bool drawn = PaintCell(maze, canvas, maze.CursorX, maze.CursorY) ||
                       PlaceMarker(maze, canvas, maze.CursorX, maze.CursorY);
    if (drawn)
        canvas.refreshMap();
    return drawn;
}

} // namespace orvane
