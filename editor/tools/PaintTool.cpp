#include "PaintTool.h"

#include "MazeState.h"
#include "edit/EditHistory.h"
#include "edit/Line.h"
#include "edit/Paint.h"
#include "edit/Picker.h"
#include "frmEdit.h"

namespace orvane {

void PaintTool::press(QPoint cell)
{
    c_.state().select(std::nullopt, c_.maze.header); // a plain click drops it
    dragFrom_ = cell;
}

void PaintTool::click(QPoint)
{
    c_.window.picMap_Click();
}

void PaintTool::dragStep(int buttons)
{
    MazeState& m = c_.maze;
    const QPoint cell(m.CursorX, m.CursorY);
    const QPoint from = dragFrom_.value_or(cell);
    const bool busy = c_.window.isBusy();
    if (c_.history.openStep(EditKind::Paint, lineBounds(m, from, cell),
                            [&] { return DragPaintLine(m, c_.canvas, from, buttons, busy); }))
        c_.state().setLineStart(cell);
    dragFrom_ = PaintingAllowed(m, c_.canvas, busy) ? std::optional(cell) : std::nullopt;
}

void PaintTool::endDrag()
{
    c_.history.endStep();
    dragFrom_.reset();
}

void PaintTool::pick()
{
    // The cell under the pointer, which the cursor frame shows; the frame's
    // cell when the pointer is off the map.
    if (PickChip(c_.maze, c_.window.frameCell()))
        c_.showSelectedChip();
}

} // namespace orvane
