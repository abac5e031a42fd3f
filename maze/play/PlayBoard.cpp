#include "PlayBoard.h"

#include "CellDrawing.h"
#include "MapCanvas.h"
#include "MazeState.h"

namespace orvane {

PlayBoard::PlayBoard(MapCanvas* canvas) : canvas_(canvas), isTouched_(GridCellCount) {}

void PlayBoard::touch(QPoint cell)
{
    if (!MazeGrid::contains(cell.x(), cell.y()))
        return; // drawn nowhere on the map
    const int index = MazeGrid::index(cell.x(), cell.y());
    if (!isTouched_[size_t(index)]) {
        isTouched_[size_t(index)] = true;
        touched_.push_back(cell);
    }
}

void PlayBoard::drawTerrain(const MazeState& maze, QPoint cell)
{
    if (!canvas_)
        return;
    if (const auto picture = sheetCellOfChip(maze.cell(cell.x(), cell.y()).Chip))
        canvas_->drawChip(cell.x(), cell.y(), picture->column, picture->row);
    touch(cell);
}

void PlayBoard::drawItem(const MazeState& maze, QPoint cell)
{
    if (!canvas_)
        return;
    if (const int16_t item = maze.cell(cell.x(), cell.y()).Item; item != NoItem) {
        const SheetCell picture = sheetCellOfItem(item);
        canvas_->drawChip(cell.x(), cell.y(), picture.column, picture.row);
    }
    touch(cell);
}

void PlayBoard::drawBall(QPoint cell)
{
    if (!canvas_)
        return;
    canvas_->drawChip(cell.x(), cell.y(), BallFigure.column, BallFigure.row);
    touch(cell);
}

void PlayBoard::restore(const MazeState& maze)
{
    if (canvas_)
        for (QPoint cell : touched_)
            DrawCell(maze, *canvas_, cell.x(), cell.y());
    forget();
}

void PlayBoard::forget()
{
    for (QPoint cell : touched_)
        isTouched_[size_t(MazeGrid::index(cell.x(), cell.y()))] = false;
    touched_.clear();
}

} // namespace orvane
